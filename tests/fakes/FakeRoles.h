// Every role in memory, for running the main window's real handlers in unit
// tests: one log for all, and events raised by the fakes (a state change's
// resize) go through the program's own router.
#pragma once

#include <memory>

#include "app/EventRouter.h"
#include "app/Roles.h"
#include "tests/fakes/CallLog.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeFiles.h"
#include "tests/fakes/FakeHelp.h"
#include "tests/fakes/FakeHighlight.h"
#include "tests/fakes/FakeText.h"
#include "tests/fakes/FakeTray.h"
#include "tests/fakes/FakeWindow.h"

namespace fakes {

class FakeRoles {
  public:
    CallLog log;
    FakeDesktop desktop{log};
    FakeTray tray{log};
    FakeFiles files{log};
    FakeText text;
    FakeHelp help{log};
    FakeWindow window{log};
    FakeControls controls{log};
    FakeHighlight highlight{desktop};

    app::Roles Roles() { return {desktop, tray, files, text, help, window, controls, highlight}; }

    // The handlers that events go to, through the program's router.
    template <class Handlers>
    void Connect(Handlers& form) {
        router_ = std::make_unique<app::EventRouter>(form, form);
        window.events = router_.get();
    }

    int Count(const std::string& prefix) const { return fakes::Count(log, prefix); }

  private:
    std::unique_ptr<app::EventRouter> router_;
};

}  // namespace fakes
