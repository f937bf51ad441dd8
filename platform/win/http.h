#pragma once
// HTTP GET and file download for the update check, over WinHTTP.
//
// Measured under Wine 8 (wine64, Debian 12) against a server on 127.0.0.1
// run by the probe itself: WinHTTP, WinINet (InternetOpenUrlW),
// "Microsoft.XMLHTTP" (msxml3) and URLDownloadToFileW all reach the loopback
// server and send the same request line; a closed port fails at once
// (12029) in all of them. None of them keeps a time limit: with
// WinHttpSetTimeouts or INTERNET_OPTION_RECEIVE_TIMEOUT of 2 s, a server that
// accepts and then stays silent held the call until it closed the socket
// (8 s), and closing the request handle from another thread did not end a
// synchronous WinHttpReceiveResponse either. So the request runs on a worker
// thread and the caller waits at most the limit; a request that overstays is
// closed (which ends it on Windows) and left to finish on its own.
//
// The caller's thread does not stop answering meanwhile: given a `wait`, the
// wait wakes for every message of the thread and at least every 50 ms and
// calls it (it pumps the messages); when it answers false the request is
// given up as one that overstayed.
#include <cstddef>
#include <functional>
#include <string>

#include "core/update_check.h"

namespace crv {

// How long the update check waits for the version service.
inline constexpr unsigned Http_Time_Limit_Ms = 15000;

using Http_Wait = std::function<bool()>;

// GET url & "?" & query (url alone when query is empty). True and the body
// only when the status is 200 within time_limit_ms and the whole body
// arrived (as long as its Content-Length, when it gave one) within
// body_limit bytes; otherwise false and "".
bool Http_Get(const std::string& url, const std::string& query, std::string& response,
              unsigned time_limit_ms = Http_Time_Limit_Ms, const Http_Wait& wait = {},
              std::size_t body_limit = Version_Reply_Limit);

// Downloads url into the file path. True only when the server answered 200,
// the whole body arrived (as long as its Content-Length, when it gave one)
// and it is not empty; only then is the file written (replacing one that was
// there). Gives up when no data arrives for stall_limit_ms.
bool Download_File(const std::string& url, const std::string& path, unsigned stall_limit_ms = Http_Time_Limit_Ms,
                   const Http_Wait& wait = {});

}  // namespace crv
