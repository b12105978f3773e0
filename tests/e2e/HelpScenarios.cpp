#include "tests/e2e/Scenarios.h"

namespace e2e {
void AddHelpScenarios(Registry&) {}
}  // namespace e2e
