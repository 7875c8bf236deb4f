// The game's thread asks the main thread to do what only the main thread may (open the
// display, make or drop the window, show a message box) and waits for the answer.
#pragma once

#include <chrono>
#include <functional>

namespace sdlhost {

// From now on calls from other threads wait for this thread to serve them.
void ServeCallsOnThisThread();
// Runs `call` on the serving thread and returns its result. Runs it at once when no thread
// serves calls (a program that never started the host) or when the server itself calls.
bool CallOnMainThread(const std::function<bool()>& call);
// Main thread: runs the call that waits, if one does.
void ServeCalls();
// Main thread, from inside a call that will never return (the display broke under it): the
// game's thread stops waiting for it with this answer.
void AnswerCallInProgress(bool answer);
// Main thread: waits until a call arrives, WakeMainThread is called or the time is up.
void WaitForCall(std::chrono::milliseconds longest);
void WakeMainThread();

}  // namespace sdlhost
