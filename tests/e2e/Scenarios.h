// The end-to-end scenarios, by name.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "tests/e2e/Driver.h"

namespace e2e {

struct Paths {
    std::wstring program;      // the program under test
    std::wstring browserStub;  // stands in for the web browser
    std::wstring product;      // the 32-bit release, for its resources
};

using Scenario = std::function<void(const Paths&)>;
using Registry = std::map<std::string, Scenario>;

void AddProgramScenarios(Registry& registry);
void AddHotkeyScenarios(Registry& registry);
void AddTrayScenarios(Registry& registry);
void AddHelpScenarios(Registry& registry);
void AddResourceScenarios(Registry& registry);
void AddDpiScenarios(Registry& registry);
void AddRobustnessScenarios(Registry& registry);
void AddLoadScenarios(Registry& registry);
void AddReleaseScenarios(Registry& registry);
void AddShellScenarios(Registry& registry);
void AddPressScenarios(Registry& registry);
void AddFrameScenarios(Registry& registry);

}  // namespace e2e
