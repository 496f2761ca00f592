#pragma once

#include "Command.h"

#include <memory>
#include <vector>

// The commands of tintwright-cli, one file each, in the order --help lists them.
namespace tintwright::cli {

std::unique_ptr<Command> listCommand();
std::unique_ptr<Command> setCommand();
std::unique_ptr<Command> replaceCommand();
std::unique_ptr<Command> adjustCommand();
std::unique_ptr<Command> paletteCommand();
std::unique_ptr<Command> diffCommand();
std::unique_ptr<Command> checkCommand();
std::unique_ptr<Command> previewCommand();
std::unique_ptr<Command> explainCommand();
std::unique_ptr<Command> contrastCommand();
std::unique_ptr<Command> rolesCommand();
std::unique_ptr<Command> generateCommand();
std::unique_ptr<Command> completeCommand();
std::unique_ptr<Command> importCommand();
std::unique_ptr<Command> exportCommand();

// Every command, in the order --help lists them.
std::vector<std::unique_ptr<Command>> commandTable();

} // namespace tintwright::cli
