#pragma once

#include "PlatformServices.h"

namespace orvane {

// The generator's dialog, GenerateDialog, shown modal.
class QtGenerateDialogService : public GenerateDialogService {
public:
    std::optional<GeneratedMaze> askForMaze(QWidget* parent,
                                            const GenerateDefaults& defaults) override;
};

} // namespace orvane
