// The common dialog control: the file open and save dialogs and the colour
// dialog, on Qt's dialogs. A cancelled dialog raises error 32755 when
// CancelError is set (as the game's callers set it), else leaves FileName
// and Color as they were. Tests switch on scripting: nothing is shown, each
// dialog is recorded and answered from a queue (a file chosen, a colour, or
// a cancel; an empty queue cancels).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace vb {

inline constexpr int cdlCancel = 32755;

// Flags of the file dialogs.
enum CommonDialogFlags : long {
    cdlOFNReadOnly = 0x1,
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
    cdlCCRGBInit = 0x1,  // the colour dialog starts at Color
};

class CommonDialog {
public:
    QString FileName;     // the full path chosen (an initial name going in)
    QString FileTitle;    // its name without the folder
    QString Filter;       // "Pictures (*.jpg;*.gif)|*.jpg;*.gif|All (*.*)|*.*"
    int FilterIndex = 1;
    QString DialogTitle;
    QString InitDir;
    QString DefaultExt;   // added to a saved name that has no extension
    long Flags = 0;
    int32_t Color = 0;    // &HBBGGRR
    bool CancelError = true;

    void ShowOpen();
    void ShowSave();
    void ShowColor();
};

// The dialog's filter ("Pictures (*.jpg)|*.jpg|All|*.*") as the name filters
// of Qt's dialog: each shown name with its patterns, every letter of a
// pattern matching in either case, as the file dialogs of the run time
// match: "Pictures (*.jpg) (*.[jJ][pP][gG])".
QString QtNameFilter(const QString& filter);

// What a dialog was asked and answered, for tests.
struct ShownDialog {
    enum Kind { Open, Save, Colour } kind = Open;
    QString title;
    QString filter;
    QString initDir;
    long flags = 0;
    bool cancelled = false;
};

namespace dialog_script {
void enable();  // also clears the queue and the record
void disable();
bool enabled();
void pushFile(const QString& path);  // the next file dialog chooses this file
void pushColor(int32_t color);       // the next colour dialog chooses this colour
void pushCancel();                   // the next dialog is cancelled
// What happens while the next dialog is open (a connection ending, say),
// before its answer is given.
void runWhileOpen(std::function<void()> act);
const std::vector<ShownDialog>& shown();
}  // namespace dialog_script

}  // namespace vb
