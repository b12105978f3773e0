#include "tests/e2e/Scenarios.h"

namespace e2e {
void AddResourceScenarios(Registry&) {}
}  // namespace e2e
