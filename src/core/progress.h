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
};

// Reports nothing; the default where no one watches.
inline Progress& NoProgress() {
    static Progress none;
    return none;
}

}  // namespace vh
