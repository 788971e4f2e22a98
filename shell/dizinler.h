// Where the program finds its files. The data folder lies where the install
// layout puts it beside the executable's folder (bin/../share/velzora), in
// the build folder as under any install prefix; failing that, at the place
// the build was configured to install it.
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
