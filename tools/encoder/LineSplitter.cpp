#include "tools/encoder/LineSplitter.h"

namespace tw::tools {

void LineSplitter::Feed(const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        char c = data[i];
        if (c == '\n' && afterCr_) {
            afterCr_ = false;  // the LF of a CR LF pair, which may arrive in the next read
            continue;
        }
        afterCr_ = c == '\r';
        if (c == '\n' || c == '\r') {
            handler_(line_);
            line_.clear();
        } else {
            line_ += c;
        }
    }
}

void LineSplitter::Finish() {
    if (!line_.empty()) handler_(line_);
    line_.clear();
    afterCr_ = false;
}

}  // namespace tw::tools
