// Progress of long operations (generation, export): a status text and a bar.
#pragma once

#include <string>

namespace vh {

class Progress {
public:
    virtual ~Progress() = default;
    virtual void Status(const std::string& text) { (void)text; }
    virtual void Maximum(int max) { (void)max; }
    virtual void Value(int value) { (void)value; }
    // Step k of n of the current stage (k from 1); n 0 when it has no steps.
    virtual void Step(int k, int n) {
        (void)k;
        (void)n;
    }
};

// Reports nothing; the default where no one watches.
inline Progress& NoProgress() {
    static Progress none;
    return none;
}

}  // namespace vh
