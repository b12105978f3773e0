#include "tests/e2e/Scenarios.h"

namespace e2e {
void AddTrayScenarios(Registry&) {}
}  // namespace e2e
