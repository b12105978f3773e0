// e2e_driver SCENARIO PROGRAM BROWSER_STUB PRODUCT: runs one scenario against
// the real program under Wine; exit code 0 when it passed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/Scenarios.h"

namespace {

// Measures every window in physical pixels.  Wine 10, like Windows, scales
// other processes' window sizes for a caller that is not per-monitor aware;
// Wine 8 has no such function and scales nothing for a system-aware one.
void MeasureInPhysicalPixels() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(-4);
    const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set == nullptr || !set(kPerMonitorAwareV2)) {
        ::SetProcessDPIAware();
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    e2e::Registry registry;
    e2e::AddProgramScenarios(registry);
    e2e::AddHotkeyScenarios(registry);
    e2e::AddTrayScenarios(registry);
    e2e::AddHelpScenarios(registry);
    e2e::AddResourceScenarios(registry);
    e2e::AddDpiScenarios(registry);
    e2e::AddRobustnessScenarios(registry);
    e2e::AddLoadScenarios(registry);
    e2e::AddReleaseScenarios(registry);
    e2e::AddShellScenarios(registry);
    e2e::AddPressScenarios(registry);
    e2e::AddFrameScenarios(registry);
    if (argc < 5) {
        std::fprintf(stderr, "usage: e2e_driver SCENARIO PROGRAM BROWSER_STUB PRODUCT\n");
        for (const auto& [name, scenario] : registry) {
            std::fprintf(stderr, "  %s\n", name.c_str());
        }
        return 2;
    }
    char name[128] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, name, sizeof(name), nullptr, nullptr);
    const auto found = registry.find(name);
    if (found == registry.end()) {
        std::fprintf(stderr, "no scenario %s\n", name);
        return 2;
    }
    MeasureInPhysicalPixels();
    // Keep the pointer away from the windows: its moves would be events too.
    ::SetCursorPos(1000, 740);
    try {
        found->second(e2e::Paths{argv[2], argv[3], argv[4]});
    } catch (const e2e::Failed& failure) {
        std::printf("FAILED %s: %s\n", name, failure.what());
        return 1;
    } catch (const e2e::Skipped&) {
        return e2e::kSkippedExitCode;
    }
    std::printf("passed %s\n", name);
    return 0;
}
