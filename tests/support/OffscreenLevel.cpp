#include "support/OffscreenLevel.h"

#include "support/RecordingReporter.h"
#include "support/WorkingDirectory.h"

namespace vantor::test {

OffscreenLevel::OffscreenLevel() {
    ready = graphics.InitOffscreen();
    GameManager::SetGraphics(&graphics);
}

OffscreenLevel::~OffscreenLevel() {
    Unload();
    GameManager::SetGraphics(nullptr);
}

bool OffscreenLevel::Load(const std::string& folder) {
    Unload();
    RecordingReporter reporter;
    {
        const WorkingDirectory inFolder(folder);
        level.Load();
    }
    loaded = true;
    reports = reporter.reports;
    return reports.empty();
}

void OffscreenLevel::Unload() {
    if (loaded) {
        level.Unload();
        loaded = false;
    }
}

void OffscreenLevel::Draw() {
    graphics.BeginDraw();
    level.Render();
    graphics.EndDraw();
}

} // namespace vantor::test
