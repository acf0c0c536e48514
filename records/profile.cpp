#include "records/profile.h"

#include <QFileInfo>

#include <algorithm>

#include "engine/flash.h"
#include "engine/frm_grisk.h"
#include "engine/paths.h"
#include "engine/general.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/state.h"
#include "opponent/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/move_log.h"
#include "records/personality.h"
#include "records/profile_record.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "shell/state.h"
#include "shell/music.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/cls_dll.h"
#include "table/display_size.h"
#include "table/frm_pic.h"
#include "table/layout.h"
#include "table/pile_info.h"
#include "table/state.h"
#include "table/table_start.h"

namespace grisk {

namespace {

constexpr int32_t kPlainColorFewColors = 0xC0FFFF;
constexpr int32_t kPlainColorDefault = 0xC0E0FF;
constexpr int kHoldDefaultLeft = 720;
constexpr int kHoldDefaultTop = 3375;

// The profile file for the length of one procedure: the caller's open
// file, or one opened here and closed again.
class PrefsAccess {
public:
    PrefsAccess() : ownsIt_(!PrefsFile().isOpen()) {
        // A file that does not open reads as no record at all.
        if (ownsIt_ && !PrefsFile().open(PrefsPath(), kPlayerProfileRecordLength))
            qWarning("%s", qUtf8Printable(PrefsFile().errorText()));
    }
    ~PrefsAccess() {
        if (ownsIt_) PrefsFile().close();
    }
    PrefsAccess(const PrefsAccess&) = delete;
    PrefsAccess& operator=(const PrefsAccess&) = delete;
    vb::RecordFile& file() { return PrefsFile(); }

private:
    bool ownsIt_;
};

bool recordPresent(vb::ReadStatus s) {
    return s == vb::ReadStatus::Ok || s == vb::ReadStatus::Partial;
}

bool writeProfile(vb::RecordFile& f, int recNo, const PlayerProfileRecord& rec) {
    try {
        return f.write(recNo, rec.encode());
    } catch (const vb::Error&) {
        return false;
    }
}

int orDefault(int v, int lo, int hi, int fallback) { return (v >= lo && v <= hi) ? v : fallback; }

// The option fields of the record into their variables, with the stored
// words read back as the program uses them.
void takeOptions(const PlayerProfileRecord& p) {
    recs.NameColor = p.NameColor;
    recs.TableColor = p.TableColor;
    eng.NumPlayers = orDefault(p.NumPlayers, 2, 4, 2);
    eng.NumCenters = orDefault(p.NumCenters, 3, 4, 3);
    recs.NameFontSize = p.NameFontSize >= 1 ? p.NameFontSize : 10;
    recs.PrevBackground = p.PrevBackground >= 0 ? p.PrevBackground : 0;
    // A speed outside the six the speed window offers is the nearest of them.
    recs.SpeedOption = std::clamp(static_cast<int>(p.SpeedOption), 0, 5);
    recs.AnimSpeed = p.AnimSpeed >= 1 && p.AnimSpeed <= kMaxAnimSpeed ? p.AnimSpeed : 45;
    recs.SoundLevel = p.SoundLevel;
    recs.SoundSet = p.SoundSet == 2 ? 0 : p.SoundSet;
    recs.DeckStyle = p.DeckStyle;
    recs.BackStyle = p.BackStyle;
    recs.HoldLeft = p.HoldPosition(0);
    recs.HoldTop = p.HoldPosition(1);
    recs.OpaqueLabels = p.OpaqueLabels != 0;
    // Each player's own choice: another player's music switched off is not
    // carried over (and saved) into this profile.
    recs.IntroMusic = p.IntroOn == 0;
    recs.SkinOn = p.SkinOn != 0;
    recs.MenuStyle = p.MenuStyle != 0 ? 1 : 0;
    tbl.SmallDisplay = p.SmallDisplay != 0;
    recs.SkipWinShow = p.SkipWinShow != 0;
    recs.SkipLoseShow = p.SkipLoseShow != 0;
    // Side piles hold at most 26 cards.
    eng.SideOption = orDefault(p.RuleOptions(0), 9, 25, 19);
    eng.ForcedCards = p.RuleOptions(1);
    eng.DecksSeparate = p.RuleOptions(2) != 0;
    eng.NoWildAce = p.RuleOptions(3) != 0;
    recs.BackgroundStretched = p.BackgroundTiled != 0;
}

// The player's own comment file and avatar must exist.
void checkPlayerFiles() {
    OpponentSeatRecord& me = recs.ProfileRec.Seats(0);
    const QString comments = StoredText(me.Comments);
    if (comments != QLatin1String("No Comments") && comments != QLatin1String("Default Personality") &&
        !FileExists(eng.UserFolder + comments + ".cmt"))
        me.Comments = QStringLiteral("Default Personality");
    if (!FileExists(eng.UserFolder + "Avatars/" + eng.PlayerAvatar)) eng.PlayerAvatar.clear();
}

void showPlainColorAndBars(const PlayerProfileRecord& p) {
    FrmGrisk& f = frmGrisk();
    recs.PlainColor = p.PlainColor;
    if (recs.PlainColor == 0) recs.PlainColor = eng.ColorDepth < 16 ? kPlainColorFewColors : kPlainColorDefault;
    f.Picture1(0).setBackColor(recs.PlainColor);

    if (p.StatusBarOn == 0)
        f.StatusBar1.setVisible(false);
    else if (cmd.FormLoading)
        eng.Peeking = true;  // the load event shows the bar when the window is ready
    else
        f.StatusBar1.setVisible(true);
    f.ImgAvatar.setVisible(p.AvatarOn != 0);
}


// The piles for the profile's counts (the table reset that follows empties
// them for the next deal).
void sizePiles() {
    eng.TotalCards = 52 * eng.NumPlayers;
    eng.CenterCount.redimPreserve({{0, eng.NumCenters}});
    eng.CenterPile.redimPreserve({{0, 1}, {0, eng.NumCenters}, {0, 12}});
    eng.Deck.redimPreserve({{0, 2}, {0, eng.TotalCards}});
    eng.Used.redimPreserve({{0, 1}, {0, eng.TotalCards}});
}

// The pile-information window in the chosen skin, and the card pictures of
// the chosen styles: the face sheet (and its small cards) or a rank-only
// deck, then the backs.
void prepareCardPictures() {
    LoadPileInfoWithSkin();
    clsDLL library;
    if (recs.DeckStyle >= 6) {
        library.GetCardFaces(recs.DeckStyle);
        MakeSmallCardFilesAfterShow();
    } else {
        LoadRankCardImages();
    }
    library.GetCardBacks(recs.BackStyle, frmPic(), 0, false);
    if (!cmd.GameRestored && inet.NetPeers == 0) ClearTableImages();
    if (cmd.FormLoading) {
        CreateStackShapes();
        CreatePileOutlines();
    }
}

// The table for the profile's counts. The first set-up lays it out from
// nothing (the display mode is applied afterwards by the start-up); later
// ones rebuild it when a count changed and empty it.
void layTable(bool firstSetUp) {
    if (firstSetUp) {
        LayOutFirstTable();
        return;
    }
    if (recs.SetupPlayers != eng.NumPlayers || recs.SetupCenters != eng.NumCenters)
        SetPlayerCount(eng.NumPlayers, eng.NumCenters);
    ResetTableDisplay();
    ShowOpponentNames();
    SetHoldImagePicture();
    PositionPileLabels();
}

void placeHoldWindow() {
    const bool onScreen = recs.HoldLeft < eng.ScreenWidthTw && recs.HoldTop < eng.ScreenHeightTw;
    const bool unset = recs.HoldLeft == 100 && recs.HoldTop == 100;
    if (!onScreen || unset) {
        recs.HoldLeft = kHoldDefaultLeft;
        recs.HoldTop = kHoldDefaultTop;
    }
}

// A 16-bit field takes the value only when it fits; otherwise it keeps what
// was stored.
void put16(int& field, long long v) {
    if (v >= -32768 && v <= 32767) field = static_cast<int>(v);
}

// The option variables into the record.
void storeOptions(PlayerProfileRecord& p) {
    const FrmGrisk& f = frmGrisk();
    p.Seats(0).Avatar = eng.PlayerAvatar;
    p.Seats(0).Name = recs.LastPlayer;
    p.NameColor = recs.NameColor;
    p.TableColor = recs.TableColor;
    p.PlainColor = recs.PlainColor;
    put16(p.NumPlayers, eng.NumPlayers);
    put16(p.NumCenters, eng.NumCenters);
    put16(p.NameFontSize, recs.NameFontSize);
    put16(p.PrevBackground, recs.PrevBackground);
    put16(p.SpeedOption, recs.SpeedOption);
    put16(p.AnimSpeed, recs.AnimSpeed);
    put16(p.SoundLevel, recs.SoundLevel);
    put16(p.SoundSet, recs.SoundSet);
    put16(p.DeckStyle, recs.DeckStyle);
    put16(p.BackStyle, recs.BackStyle);
    // A window place beyond the 16-bit fields is kept at the nearest edge.
    p.HoldPosition(0) = vb::ClampToInteger(recs.HoldLeft);
    p.HoldPosition(1) = vb::ClampToInteger(recs.HoldTop);
    p.OpaqueLabels = FlagWord(recs.OpaqueLabels);
    p.StatusBarOn = FlagWord(f.StatusBar1.Visible());
    p.IntroOn = FlagWord(!recs.IntroMusic);
    p.SkinOn = FlagWord(recs.SkinOn);
    p.MenuStyle = FlagWord(recs.MenuStyle != 0);
    p.SmallDisplay = FlagWord(tbl.SmallDisplay);
    p.AvatarOn = FlagWord(f.ImgAvatar.Visible());
    p.AutoSaveOn = FlagWord(recs.AutoSaveOn);
    p.SkipWinShow = FlagWord(recs.SkipWinShow);
    p.SkipLoseShow = FlagWord(recs.SkipLoseShow);
    put16(p.RuleOptions(0), eng.SideOption);
    put16(p.RuleOptions(1), eng.ForcedCards);
    p.RuleOptions(2) = FlagWord(eng.DecksSeparate);
    p.RuleOptions(3) = FlagWord(eng.NoWildAce);
    p.BackgroundTiled = FlagWord(recs.BackgroundStretched);
}

}  // namespace

QString PrefsPath() { return eng.DataFolder + "Prefs.sav"; }

vb::RecordFile& PrefsFile() {
    static vb::RecordFile f;
    return f;
}

bool Get_Players() {
    vb::RecordFile& f = PrefsFile();
    if (!f.open(PrefsPath(), kPlayerProfileRecordLength)) return false;
    QByteArray bytes;
    if (f.read(1, bytes) == vb::ReadStatus::Failed) {
        f.close();
        return false;
    }
    recs.ProfileRec = PlayerProfileRecord::decode(bytes);
    recs.LastPlayer = StoredText(recs.ProfileRec.Seats(0).Name);
    recs.HasProfile = false;
    recs.CurrentProfile = 0;

    QStringList names;
    for (int recNo = 2;; ++recNo) {
        if (f.read(recNo, bytes) != vb::ReadStatus::Ok) break;
        const QString name = StoredText(PlayerProfileRecord::decode(bytes).Seats(0).Name);
        names << name;
        if (!recs.LastPlayer.isEmpty() && name == recs.LastPlayer) {
            recs.HasProfile = true;
            recs.CurrentProfile = recNo;  // a later record of the same name wins
        }
    }
    if (recs.CurrentProfile == 0) recs.CurrentProfile = 1;
    recs.NumPlayerNames = static_cast<int>(names.size());
    recs.PlayerNames.redim({{0, recs.NumPlayerNames}});
    for (int i = 1; i <= recs.NumPlayerNames; ++i) recs.PlayerNames(i) = names[i - 1];

    // An empty file is a first start: the options in force stay.
    SetupGameFromPrefs(recs.CurrentProfile);
    f.close();
    return true;
}

bool SetupGameFromPrefs(int RecNo) {
    recs.SetupPlayers = eng.NumPlayers;
    recs.SetupCenters = eng.NumCenters;

    PrefsAccess prefs;
    QByteArray bytes;
    const vb::ReadStatus status = prefs.file().read(RecNo, bytes);
    const bool present = recordPresent(status);

    // Without the record the options in force stay; the table is still made
    // ready for them.
    if (present) {
        recs.ProfileRec = PlayerProfileRecord::decode(bytes);
        const PlayerProfileRecord& p = recs.ProfileRec;
        eng.PlayerName = StoredText(p.Seats(0).Name);
        eng.PlayerAvatar = StoredText(p.Seats(0).Avatar);
        takeOptions(p);
        checkPlayerFiles();
        if (cmd.FormLoading && !recs.IntroMusic) {
            PlayMP3(eng.AppFolder + "/Data/Intro.mp3");
            Pause(0.5);
        }
        showPlainColorAndBars(p);
        if (p.AutoSaveOn != 0) OpenMoveLog(true);
    }
    prepareCardPictures();
    if (present) {
        TakeProfileSeats();
        // The corrections of the comment file and of blank seats are kept.
        writeProfile(prefs.file(), RecNo, recs.ProfileRec);
    }

    sizePiles();
    opp.PlanMoves.redim({{0, eng.NumCenters}, {0, 15}});
    opp.PlanSet.redim({{0, eng.NumCenters}, {0, 1}});
    ChangeBestRun();
    layTable(!tbl.TableLaidOut);
    tbl.TableLaidOut = true;
    placeHoldWindow();
    // The rules labels on the menu strip tell the rules now in force.
    ShowRulesSummary();
    return present;
}

void ApplyOptions() {
    // Another player than the one in force: the old player's cards go.
    if (vb::Trim(eng.PlayerName) != vb::Trim(recs.LastPlayer) && !cmd.GameRestored) ClearTableImages();

    // The background entry.
    if (recs.PrevBackground == 0 && eng.ColorDepth < 16) recs.PrevBackground = recs.NumBackgrounds + 1;
    if (recs.PrevBackground > recs.NumBackgrounds) {
        recs.BackgroundIdx = recs.NumBackgrounds + 1;
    } else if (recs.PrevBackground <= 0) {
        recs.BackgroundIdx = 1;
        for (int i = 1; i <= recs.NumBackgrounds; ++i) {
            if (recs.Backgrounds(i) == QLatin1String("GameBoard.gif")) {
                recs.BackgroundIdx = i;
                break;
            }
        }
    } else {
        recs.BackgroundIdx = recs.PrevBackground;
    }

    // The computer's pause between moves, seconds.
    static constexpr double kDelays[] = {0.9, 0.6, 0.4, 0.2, 0.05, 0};
    if (recs.SpeedOption >= 0 && recs.SpeedOption <= 5) eng.CompDelay = kDelays[recs.SpeedOption];

    // The display size: at start-up the stored display mode lays the table
    // out; later the profile's size is brought to the table (below).
    if (cmd.FormLoading) tbl.SmallDisplay = tbl.DisplayMode >= 2;

    FrmGrisk& f = frmGrisk();
    for (int i = 1; i <= 4; ++i)
        if (f.Label9.exists(i)) f.Label9(i).setForeColor(recs.NameColor);
    if (f.Label9.exists(2)) f.Label9(2).setFontSize(recs.NameFontSize);
    if (BackgroundPictureChosen()) {
        LoadTableBackground();
        if (cmd.FormLoading) return;
    } else {
        f.setPicture(QImage());
    }
    if (cmd.FormLoading) return;
    ShowDisplaySize(tbl.SmallDisplay);
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (f.LblWild.exists(c)) f.LblWild(c).setFontSize(recs.NameFontSize);
    RedrawTable();
}

bool SavePrefs(bool Apply) {
    vb::RecordFile& f = PrefsFile();
    f.close();
    if (!f.open(PrefsPath(), kPlayerProfileRecordLength, vb::RecordFile::Mode::OpenOrCreate)) return false;
    bool ok = true;
    QByteArray bytes;

    // Record 1 names the last player. A record that could not be read is
    // not written over.
    if (f.read(1, bytes) != vb::ReadStatus::Failed) {
        recs.ProfileRec = PlayerProfileRecord::decode(bytes);
        recs.ProfileRec.Seats(0).Name = recs.LastPlayer;
        ok = writeProfile(f, 1, recs.ProfileRec) && ok;
    } else {
        ok = false;
    }

    if (recs.HasProfile) {
        const vb::ReadStatus status = f.read(recs.CurrentProfile, bytes);
        if (status != vb::ReadStatus::Failed) {
            if (status == vb::ReadStatus::PastEnd && recs.CurrentProfile != 1) {
                // A new player's record: the shared record's opponents with
                // the options in force, and no games yet.
                recs.ProfileRec.GamesPlayed.clear();
                recs.ProfileRec.GamesWon.clear();
                recs.ProfileRec.Margin.clear();
                recs.ProfileRec.BestRuns.clear();
            } else {
                recs.ProfileRec = PlayerProfileRecord::decode(bytes);
            }
            storeOptions(recs.ProfileRec);
            ok = writeProfile(f, recs.CurrentProfile, recs.ProfileRec) && ok;
        } else {
            ok = false;
        }
    }
    if (recs.CurrentProfile == 1) vb::Beep();

    if (Apply) {
        ok = SetupGameFromPrefs(recs.CurrentProfile) && ok;
        ApplyOptions();
    }
    f.close();
    return ok;
}

bool UpdateCurrentProfile(const std::function<void()>& change) {
    PrefsAccess prefs;
    QByteArray bytes;
    if (prefs.file().read(recs.CurrentProfile, bytes) != vb::ReadStatus::Ok) return false;
    recs.ProfileRec = PlayerProfileRecord::decode(bytes);
    change();
    return writeProfile(prefs.file(), recs.CurrentProfile, recs.ProfileRec);
}

QString CurrentProfileCommentFile() {
    if (!PrefsFile().isOpen() && !QFileInfo::exists(PrefsPath())) return QString();
    PrefsAccess prefs;
    QByteArray bytes;
    if (prefs.file().read(recs.CurrentProfile, bytes) != vb::ReadStatus::Ok) return QString();
    return StoredText(PlayerProfileRecord::decode(bytes).Seats(0).Comments);
}

void ReportProfileNotSaved() {
    qWarning("The profile could not be saved: %s", qUtf8Printable(PrefsFile().errorText()));
    if (recs.ProfileSaveReported) return;
    recs.ProfileSaveReported = true;
    QString text = QStringLiteral("Your options and statistics could not be saved to \"Prefs.sav\".");
    if (!PrefsFile().errorText().isEmpty()) text += "\n\n" + PrefsFile().errorText();
    vb::MsgBox(text, vb::vbExclamation);
}

void ChangeBestRun() {
    for (int k = 0; k <= 2; ++k) {
        recs.BestRun(0, k) = recs.ProfileRec.BestRuns(0, k);
        recs.BestRun(0, 3 + k) = recs.ProfileRec.BestRuns(1, k);
        recs.BestRun(5, k) = recs.ProfileRec.BestRuns(2, k);
        recs.BestRun(5, 3 + k) = recs.ProfileRec.BestRuns(3, k);
    }
}

void ChangePerson() {
    frmGrisk().Label9(4).setCaption(eng.Player2.Name);
    recs.OppName = eng.Player2.Name;
    recs.OppIndex = recs.NumOpps + 1;
    const int last = std::min(recs.NumOpps, recs.OppTable.ubound(1));
    for (int row = 0; row <= last; ++row) {
        if (recs.OppTable(row, 1) == recs.OppName) {
            recs.OppIndex = row;
            break;
        }
    }
    // The default opponent's show uses its frames as designed again.
    if (recs.OppIndex == 0 && eng.FlashLoaded) {
        if (FrmFlasherExists()) frmFlasher().Unload();
        eng.FlashLoaded = false;
    }
}

void TakeProfileSeats() {
    CopySeatToPlayer(eng.Player2, 1);
    LoadOpponentPersonality(eng.Player2, 1);
    ChangePerson();
    CopySeatToPlayer(eng.Player3, 2);
    LoadOpponentPersonality(eng.Player3, 0);
    CopySeatToPlayer(eng.Player4, 3);
    LoadOpponentPersonality(eng.Player4, 0);
    const int level = eng.Player2.Level;
    if (eng.LevelNames.inRange({level})) frmGrisk().lblLevel.setCaption(eng.LevelNames(level));
    recs.OppPicture = StoredText(recs.ProfileRec.Seats(1).Avatar);
}

}  // namespace grisk
