#pragma once

namespace cfq {

// A window that takes its texts from the text table. Set_Lang runs when the
// window is created and again at every language change (Change_Language).
class LanguageAware
{
public:
    virtual ~LanguageAware() = default;
    virtual void Set_Lang() = 0;
};

} // namespace cfq
