#pragma once

#include "graphics/ImageErrorReporter.h"

#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

// Takes the place of the default picture error reporter while it lives and keeps every report
// instead of showing it.
class RecordingReporter final : public graphics::ImageErrorReporter {
public:
    RecordingReporter() { graphics::SetImageErrorReporter(this); }
    ~RecordingReporter() override { graphics::SetImageErrorReporter(nullptr); }
    RecordingReporter(const RecordingReporter&) = delete;
    RecordingReporter& operator=(const RecordingReporter&) = delete;

    void Report(const char* text, const char* fileName) override {
        reports.emplace_back(text, fileName != nullptr ? fileName : "");
    }

    std::vector<std::pair<std::string, std::string>> reports; // text, file name
};

} // namespace vantor::test
