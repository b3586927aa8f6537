// The program's start, shared by main() and the start-up measurement so both time the same thing.
#pragma once

#include <functional>

namespace ovi {

class frmHaupt;

// Sets up the application, makes the main window, lets `vorDemZeigen` see it, shows it and runs the loop.
int laufe(int argc, char** argv, const std::function<void(frmHaupt&)>& vorDemZeigen = {});

}  // namespace ovi
