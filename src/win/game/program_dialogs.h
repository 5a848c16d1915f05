// The dialogs of the program, made after the main window in the program's order and shown by it.
#pragma once

#include "game/mainform.h"

#include <memory>

class RegistryStore;

std::unique_ptr<MainformDialogs> MakeProgramDialogs(Tfmainform& owner, RegistryStore& registry);
