#include "script_player.h"

#include "platform/feed.h"

bool ScriptPlayer::ApplyUpTo(int frameNumber, std::string* error)
{
    while (next_ < actions_.size() && actions_[next_].frame <= frameNumber) {
        if (!Apply(actions_[next_++], error)) return false;
    }
    return true;
}

bool ScriptPlayer::Apply(const ScriptAction& action, std::string* error)
{
    switch (action.verb) {
    case ScriptVerb::Cursor:
        FeedCursorPosition(action.x, action.y);
        break;
    case ScriptVerb::Move:
        FeedMouseMotion(action.x, action.y);
        break;
    case ScriptVerb::Down:
        FeedKey(action.key, true);
        break;
    case ScriptVerb::Up:
        FeedKey(action.key, false);
        break;
    case ScriptVerb::Tap:
        FeedKey(action.key, true);
        FeedKey(action.key, false);
        break;
    case ScriptVerb::Close:
        FeedMessage(WM_CLOSE, 0, 0);
        break;
    case ScriptVerb::Destroy:
        FeedMessage(WM_DESTROY, 0, 0);
        break;
    case ScriptVerb::Quit:
        PostQuitMessage(action.exitCode);
        break;
    case ScriptVerb::Message:
        FeedMessage(action.message, 0, 0);
        break;
    case ScriptVerb::Snap:
        if (!snapshot_(action.file, error)) {
            *error = "line " + std::to_string(action.line) + ": " + *error;
            return false;
        }
        break;
    }
    return true;
}
