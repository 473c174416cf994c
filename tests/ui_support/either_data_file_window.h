#pragma once
// The save or the load window, for the cases both twins share.

#include "storage/ui/load_data_window.h"
#include "storage/ui/save_data_window.h"

#include <memory>
#include <utility>

enum class Mode { Save, Load };

inline std::unique_ptr<rotavex::DataFileWindow> makeDataFileWindow(Mode mode, rotavex::DataFileAction action)
{
    if (mode == Mode::Save)
        return std::make_unique<rotavex::SaveDataWindow>(std::move(action));
    return std::make_unique<rotavex::LoadDataWindow>(std::move(action));
}
