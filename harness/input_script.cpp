#include "harness/input_script.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "harness/game_process.h"
#include "platform/keys.h"

void InputScript::down(long frame, int sym) {
    lines_.push_back(std::to_string(frame) + " down " + std::to_string(sym));
}

void InputScript::up(long frame, int sym) {
    lines_.push_back(std::to_string(frame) + " up " + std::to_string(sym));
}

void InputScript::motion(long frame, int dx, int dy) {
    lines_.push_back(std::to_string(frame) + " motion " + std::to_string(dx) + " " +
                     std::to_string(dy));
}

void InputScript::action(long frame, const std::string& words) {
    lines_.push_back(std::to_string(frame) + " " + words);
}

long InputScript::tap(long frame, int sym) {
    down(frame, sym);
    up(frame + 1, sym);
    return frame + 2;
}

void InputScript::hold(long frame, const std::set<int>& keys) {
    for (const int sym : held_) {
        if (keys.count(sym) == 0) {
            up(frame, sym);
        }
    }
    for (const int sym : keys) {
        if (held_.count(sym) == 0) {
            down(frame, sym);
        }
    }
    held_ = keys;
}

void InputScript::write(const std::string& path) const {
    // Replayed in file order, frame by frame: lines added out of frame order keep their
    // order within a frame.
    std::vector<std::string> lines = lines_;
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return std::stol(a) < std::stol(b);
    });
    std::ofstream out(path);
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

std::vector<SwapRecord> ReadSwapLog(const std::string& path) {
    std::vector<SwapRecord> records;
    std::ifstream in(path);
    std::string word;
    SwapRecord record;
    while (in >> word >> record.swap >> record.microseconds) {
        records.push_back(record);
    }
    return records;
}

std::vector<SwapRecord> WaitForSwaps(GameProcess& game, const std::string& path, long count,
                                     int timeoutMs) {
    std::vector<SwapRecord> log = ReadSwapLog(path);
    for (int waited = 0; waited < timeoutMs && game.running(); waited += 5) {
        if (!log.empty() && log.back().swap >= count) {
            break;
        }
        SleepMs(5);
        log = ReadSwapLog(path);
    }
    return log;
}

namespace {

// Up as often as the page has items puts the highlight on the first item from anywhere.
long Pick(InputScript& script, long frame, int itemCount, int item) {
    for (int i = 0; i < itemCount; ++i) {
        frame = script.tap(frame, key::Up);
    }
    for (int i = 0; i < item; ++i) {
        frame = script.tap(frame, key::Down);
    }
    return script.tap(frame, key::Return);
}

}  // namespace

long ChooseSizeThroughMenu(InputScript& script, long frame, int size) {
    frame = script.tap(frame, key::Escape);
    frame = Pick(script, frame, 2, 0);  // "Choose difficulty"
    // Easy 5..9, Medium 11..19, Difficult 21..29, Impossible 31..39.
    const int level = size <= 9 ? 0 : (size <= 19 ? 1 : (size <= 29 ? 2 : 3));
    const int first = level == 0 ? 5 : 11 + 10 * (level - 1);
    const int items = level == 0 ? 3 : 5;
    frame = Pick(script, frame, 4, level);
    // Return in the poll after r frames; that frame is presented, the next one yields the
    // size and presents the "Building maze" frame: the new maze polls first after r + 2.
    return Pick(script, frame, items, (size - first) / 2);
}

long ChooseQuitThroughMenu(InputScript& script, long frame) {
    frame = script.tap(frame, key::Escape);
    // The frame with Return is presented; the next one yields Quit and is not.
    return Pick(script, frame, 2, 1) - 1;
}
