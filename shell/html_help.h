// The help file's wrapper: the operations of the help viewer that the
// program uses (show the contents, look a keyword up, close every help
// window), each after the checks on the help file, with the class's own
// warnings.
#pragma once

#include <QString>
#include <QtGlobal>

namespace grisk {

class HTMLHelp {
public:
    // The help file; a name without a folder is taken from the program's
    // folder.
    QString CHMFile;
    // The window layout of the help file to show it in; blanks: none.
    QString HHWindow;
    // The keyword(s) of the lookup, split by ";".
    QString HHKeyword;
    // The topic shown when no keyword matches, else the message shown
    // then (text and title). All empty: the help stays where it is.
    QString HHDefaultURL;
    QString HHMsgText;
    QString HHMsgTitle;

    // The help file at its contents.
    void HHDisplayContents();
    // The help file at its default topic, then at the section of the index
    // entry of HHKeyword.
    void HHDisplayKeyword();
    // Closes every help window; nothing happens when none is open.
    void HHClose();
    // The handle of the last help window shown; without one the warning
    // "No HTML Help window handle to retrieve." and 0.
    quintptr HHWndHandle();

    // True when the file exists. A name without a folder becomes the
    // program's folder and the name (fileName is rewritten so). Else the
    // warning that names the file, and false.
    bool EnsureFileExists(QString& fileName);

private:
    // The checks before a display: the extension (a warning only) and the
    // file's existence.
    bool checkFile();
    quintptr handle_ = 0;
};

}  // namespace grisk
