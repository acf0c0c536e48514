#include "records/personality.h"

#include "engine/state.h"
#include "records/record_fields.h"
#include "records/state.h"

namespace grisk {

void SetDefaultPersonality(int Seat) {
    OpponentSeatRecord& s = recs.ProfileRec.Seats(Seat);
    s.Name = QStringLiteral("Grisk");
    s.Level = 0;
    s.Avatar = QStringLiteral("Grisk.jpg");
    s.SoundSource = 0;
    s.Comments = QStringLiteral("Default Personality");
}

void CopySeatToPlayer(PlayerRecord& Rec, int Seat) {
    if (StoredText(recs.ProfileRec.Seats(Seat).Name).isEmpty()) SetDefaultPersonality(Seat);
    const OpponentSeatRecord& s = recs.ProfileRec.Seats(Seat);
    Rec.Name = StoredText(s.Name);
    Rec.Level = (s.Level >= 0 && s.Level <= 2) ? s.Level : 0;
    Rec.Avatar = StoredText(s.Avatar);
    Rec.SoundColumn = (s.SoundSource == 0 || s.SoundSource == 1) ? s.SoundSource : 0;
    Rec.CommentFile = StoredText(s.Comments);
}

}  // namespace grisk
