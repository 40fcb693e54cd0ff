#include "graphics/ImageErrorReporter.h"

#include "graphics/ErrorBox.h"

#include <cstdio>

namespace vantor::graphics {

namespace {

// Tells the player: stderr always, and a message box when there is a display to show it on,
// while the game window goes on answering.
class DefaultImageErrorReporter : public ImageErrorReporter {
public:
    void Report(const char* text, const char* fileName) override {
        std::fprintf(stderr, "Image Manager Error: %s (%s)\n", text, fileName ? fileName : "");
        ErrorBox::Show("Image Manager Error", text);
    }
};

DefaultImageErrorReporter defaultReporter;
ImageErrorReporter* installedReporter = nullptr;

} // namespace

void SetImageErrorReporter(ImageErrorReporter* reporter) {
    installedReporter = reporter;
}

void ReportImageError(const char* text, const char* fileName) {
    ImageErrorReporter* reporter = installedReporter ? installedReporter : &defaultReporter;
    reporter->Report(text, fileName);
}

} // namespace vantor::graphics
