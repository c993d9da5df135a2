#include "skin/form/TitleText.h"

namespace tw {

namespace {

TTitleTextPainter& Installed() {
    static TTitleTextPainter painter;
    return painter;
}

}  // namespace

void SetTitleTextPainter(TTitleTextPainter painter) { Installed() = std::move(painter); }

const TTitleTextPainter& TitleTextPainter() { return Installed(); }

}  // namespace tw
