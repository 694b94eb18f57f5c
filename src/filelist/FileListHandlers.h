#pragma once

#include "filelist/RowDrag.h"

#include <QObject>

namespace brindlecast {

class Form1;

// Connects the list, "Add WAV File(s)" and "Clear List" of the main window to their handlers,
// and holds the list's drag state for the lifetime of the window.
class FileListHandlers : public QObject {
    Q_OBJECT
  public:
    explicit FileListHandlers(Form1& form);

    const RowDrag& drag() const { return m_drag; }

  private:
    RowDrag m_drag;
};

} // namespace brindlecast
