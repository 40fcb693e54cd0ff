#pragma once

namespace vantor::graphics {

// Where the picture loader tells about a picture it could not read. The default reporter
// writes one line on stderr and, when a display is open, shows a modal message box captioned
// "Image Manager Error". Tests install their own reporter to record the reports instead.
class ImageErrorReporter {
public:
    virtual ~ImageErrorReporter() = default;
    // text is one of the loader's fixed messages; fileName is the picture's file name.
    virtual void Report(const char* text, const char* fileName) = 0;
};

// Installs the reporter that later load failures go to; null restores the default. The
// reporter is not owned and must stay alive while it is installed.
void SetImageErrorReporter(ImageErrorReporter* reporter);

// Hands one load failure to the installed reporter.
void ReportImageError(const char* text, const char* fileName);

} // namespace vantor::graphics
