#pragma once

#include <QIcon>

namespace cfq::icons {

// Simple pictures of the configurator's own, drawn at run time.
enum class Picture
{
    NewProject,
    OpenProject,
    Communication,
    Groups,
    Variables,
    EsiFile,
    UpdateDevice,
    Information,
    Options,
    Close,
    Application,
};

QIcon icon(Picture picture, int size = 32);

} // namespace cfq::icons
