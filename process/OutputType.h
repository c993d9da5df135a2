// TOutputType and the runner's event signatures: how a captured line is reported to its owner.
#pragma once

#include <functional>
#include <string>

#include "framework/core/ClassInfo.h"

namespace tw {

enum TOutputType {
    otEntireLine,       // a complete line
    otBeginningOfLine,  // the text so far of a line whose end has not arrived yet
};

using TNewLineEvent = std::function<void(TObject* sender, const std::string& line, TOutputType outputType)>;

}  // namespace tw
