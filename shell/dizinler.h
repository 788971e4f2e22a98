// Where the program finds its files. The data folder lies beside the folder of
// the executable (bin/../share/velzora), both in the build folder and under
// the install prefix.
#pragma once

#include <QString>

namespace velzora {

struct Dizinler {
    QString veri;     // built-in dictionary and templates
    QString yardim;   // the help pages
    QString program;  // the executable's own folder

    // From the running executable's location.
    static Dizinler programinkiler();
};

}  // namespace velzora
