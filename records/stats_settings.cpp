#include "records/stats_settings.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/record_fields.h"
#include "records/score_record.h"
#include "records/state.h"

namespace grisk {

bool SaveSettings(vb::RecordFile& scores) {
    const FrmGrisk& f = frmGrisk();
    const int barShown = f.StatusBar1.Visible() ? 1 : 0;
    const int avatarShown = f.ImgAvatar.Visible() ? 1 : 0;
    ScoreRecord rec;
    bool ok = true;
    auto put = [&](int recNo, auto fill) {
        try {
            fill();
            ok = scores.write(recNo, rec.encode()) && ok;
        } catch (const vb::Error&) {
            ok = false;
        }
    };

    put(kSettingsAvatarRecord, [&] {
        rec.Name = vb::Trim(recs.AvatarFile);
        rec.Value1 = FlagWord(recs.SkipWinShow);
        rec.Value2 = FlagWord(recs.OpaqueLabels);
        rec.Value3 = 0;
        rec.Value4 = recs.DeckStyle;
    });
    put(kSettingsPlayerRecord, [&] {
        rec.Name = eng.PlayerName;
        rec.Value1 = recs.PrevBackground;
        rec.Value2 = recs.SpeedOption;
        rec.Value3 = recs.SoundLevel;
    });
    put(kSettingsColorRecord, [&] {
        rec.Name = vb::Str(static_cast<long long>(recs.PlainColor));
        rec.Value1 = recs.BackStyle;
        rec.Value2 = barShown;
        rec.Value3 = avatarShown;
        rec.Value4 = recs.AutoSaveOn ? 1 : 0;
    });
    put(kSettingsTableRecord, [&] {
        rec.Name = vb::Str(static_cast<long long>(recs.TableColor));
        rec.Value1 = vb::CInt(f.Label9(2).FontSize());
        rec.Value2 = FlagWord(recs.SkipLoseShow);
        rec.Value4 = recs.OppIndex;
    });
    put(kSettingsRulesRecord, [&] {
        QByteArray bytes;
        scores.read(kSettingsRulesRecord, bytes);
        rec = ScoreRecord::decode(bytes);
        rec.Name = vb::Str(static_cast<long long>(recs.AnimSpeed));
        rec.Value1 = eng.SideOption;
        rec.Value2 = eng.ForcedCards;
        rec.Value3 = FlagWord(eng.DecksSeparate);
        rec.Value4 = FlagWord(eng.NoWildAce);
    });
    return ok;
}

}  // namespace grisk
