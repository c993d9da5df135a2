// ServeFrame: the wire format of "twdriver --serve", bytes in and out (UTF-8 text).
//
//   request: every argument preceded by 0x1F, then a line feed ("\x1f" "text" "\x1f" "--id" "\n");
//            a line of only a line feed is a call without arguments; "quit\n" ends the server
//   answer:  "STATUS OUTBYTES ERRBYTES\n", then the command's stdout, then its stderr
//
// Counted answers, so whatever a window's text holds cannot end one early.
#pragma once

#include <string>
#include <vector>

namespace tw::driver {

enum class RequestKind { Command, Quit, Malformed };

struct Request {
    RequestKind kind = RequestKind::Malformed;
    std::vector<std::string> args;  // UTF-8, as the script passed them
};

// One request line, without its line feed.
Request ParseRequest(const std::string& line);

std::string FormatAnswer(int status, const std::string& out, const std::string& err);

// What the server writes once it can take requests, before the first answer.
extern const char kServeReady[];

}  // namespace tw::driver
