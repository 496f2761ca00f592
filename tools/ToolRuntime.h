#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <optional>

// Qt wants a runtime folder of the user's own. Outside a desktop session (a
// tool run by hand, say) XDG_RUNTIME_DIR is not set, and Qt would warn and
// make /tmp/runtime-<user>, which stays behind. Where it is not set, a tool
// gets a folder of its own (readable by the user alone) for the run, removed
// at its end. Create it before the application object, so that it outlives it.
class ToolRuntimeFolder {
public:
    ToolRuntimeFolder()
    {
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            m_folder.emplace();
            if (m_folder->isValid()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder->path()));
            }
        }
    }

private:
    std::optional<QTemporaryDir> m_folder;
};
