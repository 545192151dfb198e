#pragma once

#include <vector>

namespace cfq {

// A window that takes its texts from the text table. Set_Lang runs when the
// window is created and again at every language change (Change_Language).
class LanguageAware
{
public:
    virtual ~LanguageAware() = default;
    virtual void Set_Lang() = 0;
    // Every text index the window shows, for the check that none of them is
    // a blank placeholder of the built-in table.
    virtual std::vector<int> textIndices() const = 0;
};

} // namespace cfq
