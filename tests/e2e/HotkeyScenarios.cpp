#include "tests/e2e/Scenarios.h"

namespace e2e {
void AddHotkeyScenarios(Registry&) {}
}  // namespace e2e
