#include "runner_options.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

struct CallName {
    const char* name;
    host::Call call;
};
constexpr CallName kFailableCalls[] = {
    {"RegisterClassA", host::Call::RegisterClassA},
    {"DirectDrawCreate", host::Call::DirectDrawCreate},
    {"SetCooperativeLevel", host::Call::SetCooperativeLevel},
    {"SetDisplayMode", host::Call::SetDisplayMode},
    {"CreateSurface", host::Call::CreateSurface},
    {"GetAttachedSurface", host::Call::GetAttachedSurface},
    {"GetDC", host::Call::GetDC},
    {"Lock", host::Call::Lock},
    {"FSOUND_Init", host::Call::FSOUND_Init},
    {"FSOUND_GetVersion", host::Call::FSOUND_GetVersion},
    {"FSOUND_Sample_LoadWav", host::Call::FSOUND_Sample_LoadWav},
    {"FSOUND_Stream_OpenMpeg", host::Call::FSOUND_Stream_OpenMpeg},
};

std::optional<long long> WholeNumber(const std::string& word, long long low, long long high)
{
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, fault] = std::from_chars(word.data(), end, value);
    if (word.empty() || fault != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

class OptionReader {
public:
    OptionReader(const std::vector<std::string>& args, RunnerOptions* options, std::string* error)
        : args_(args), options_(options), error_(error) {}

    bool Read()
    {
        for (next_ = 0; next_ < args_.size();) {
            const std::string& arg = args_[next_++];
            if (!ReadOne(arg)) return false;
        }
        return true;
    }

private:
    bool ReadOne(const std::string& arg)
    {
        if (arg == "--trace") {
            options_->trace = true;
            return true;
        }
        if (arg == "--layout") return Value(arg) && Layout();
        if (arg == "--fail") return Value(arg) && Failure();
        if (arg == "--frames") {
            if (!Value(arg)) return false;
            options_->framesDir = value_;
            return true;
        }
        if (arg == "--every") return Value(arg) && Count(arg, &options_->every);
        if (arg == "--max-frames") return Value(arg) && Count(arg, &options_->maxFrames);
        if (arg == "--time") return Value(arg) && Time();
        if (arg.size() > 1 && arg[0] == '-') return Fail("unknown option " + arg);
        if (!options_->scriptPath.empty()) return Fail("only one script, not also " + arg);
        options_->scriptPath = arg;
        return true;
    }

    bool Value(const std::string& option)
    {
        if (next_ >= args_.size()) return Fail(option + " needs a value");
        value_ = args_[next_++];
        return true;
    }

    bool Layout()
    {
        if (value_ != "565" && value_ != "555") return Fail("--layout is 565 or 555, not " + value_);
        options_->layout565 = value_ == "565";
        return true;
    }

    bool Failure()
    {
        const std::size_t colon = value_.find(':');
        InjectedFailure failure;
        if (!FailableCallNamed(value_.substr(0, colon), &failure.call)) {
            return Fail("--fail: no call named " + value_.substr(0, colon));
        }
        if (colon != std::string::npos) {
            const auto nth = WholeNumber(value_.substr(colon + 1), 1, std::numeric_limits<int>::max());
            if (!nth) return Fail("--fail " + value_ + ": the call's number counts from 1");
            failure.nth = static_cast<int>(*nth);
        }
        options_->failures.push_back(failure);
        return true;
    }

    bool Count(const std::string& option, int* count)
    {
        const auto number = WholeNumber(value_, 1, std::numeric_limits<int>::max());
        if (!number) return Fail(option + " needs a whole number from 1, not " + value_);
        *count = static_cast<int>(*number);
        return true;
    }

    bool Time()
    {
        const auto seconds = WholeNumber(value_, 0, std::numeric_limits<std::time_t>::max());
        if (!seconds) return Fail("--time needs whole seconds from 0, not " + value_);
        options_->wallClock = static_cast<std::time_t>(*seconds);
        return true;
    }

    bool Fail(std::string what)
    {
        *error_ = std::move(what);
        return false;
    }

    const std::vector<std::string>& args_;
    RunnerOptions* options_;
    std::string* error_;
    std::size_t next_ = 0;
    std::string value_;
};

}  // namespace

bool FailableCallNamed(const std::string& name, host::Call* call)
{
    for (const CallName& entry : kFailableCalls) {
        if (name == entry.name) {
            *call = entry.call;
            return true;
        }
    }
    return false;
}

bool ParseRunnerOptions(const std::vector<std::string>& args, RunnerOptions* options, std::string* error)
{
    return OptionReader(args, options, error).Read();
}

int RefuseRun(const char* program, const std::string& why)
{
    std::fprintf(stderr, "%s: %s\n", program, why.c_str());
    return kRunnerUsageError;
}
