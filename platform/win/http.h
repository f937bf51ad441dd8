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
#include <string>

namespace crv {

// How long the update check waits for the version service.
inline constexpr unsigned Http_Time_Limit_Ms = 15000;

// GET url & "?" & query (url alone when query is empty). True and the body
// only when the status is 200 within time_limit_ms; otherwise false and "".
bool Http_Get(const std::string& url, const std::string& query, std::string& response,
              unsigned time_limit_ms = Http_Time_Limit_Ms);

// Downloads url into the file path. True only when the server answered 200,
// the whole body arrived (as long as its Content-Length, when it gave one)
// and it is not empty; only then is the file written (replacing one that was
// there). Gives up when no data arrives for stall_limit_ms.
bool Download_File(const std::string& url, const std::string& path, unsigned stall_limit_ms = Http_Time_Limit_Ms);

}  // namespace crv
