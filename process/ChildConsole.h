// TChildConsole: what console a runner gives the child it starts.
#pragma once

namespace tw {

// The console a child is given.
enum TChildConsole {
    ccOwn,   // a console of its own without a window, as a console program expects one
    ccNone,  // none at all: for a child that needs only the standard handles it is given, and
             // saves the console host a console of its own costs each launch
};

}  // namespace tw
