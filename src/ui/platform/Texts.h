// How the program's texts are translated. A window's own texts go through its class's tr(), in
// the context of that class; every other text (of the adapters, of helpers outside a window
// class, of the command line) goes through Texts::tr(), in the one context "vornask". The build
// extracts both into the catalog in translations/.
#pragma once

#include <QCoreApplication>

namespace vornask {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(vornask)
};

} // namespace vornask
