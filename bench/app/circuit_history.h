// Undo and redo of the changes made to the circuit: chips placed, moved and
// removed, wires added and removed, clear and load. Each change is kept as
// the circuit before and after it and put back through the bench's restore;
// power, switches and pulse buttons are operation, not editing, and are not
// kept. The history also knows whether the circuit changed since it was
// last saved or loaded.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

#include "bench_model.h"

namespace bench {

class circuit_history : public QObject {
    Q_OBJECT
public:
    // `restored` runs after every undo and redo, for the window to show the
    // circuit that came back.
    circuit_history(bench_model& model, std::function<void()> restored, QObject* parent = nullptr);
    ~circuit_history() override;

    QUndoStack* stack() { return &stack_; }

    // Runs a change and keeps it when it changed the chips or wires.
    void record(const QString& text, const std::function<void()>& change);
    // A load: kept whenever it succeeded, with the file's name, so that an
    // undo gives back the circuit before it and the file it came from.
    file_result record_load(const QString& text, const std::function<file_result()>& load);
    // A change spread over several events (a chip pressed, dragged and let
    // go): the circuit at its beginning is taken now, the change is kept by
    // finish(). finish() without a beginning takes the circuit just before
    // `change`.
    void begin();
    void finish(const QString& text, const std::function<void()>& change);
    bool in_progress() const { return pending_ != nullptr; }

    // Undo and redo wait while a change is in progress.
    void undo();
    void redo();
    QString undo_text() const { return stack_.undoText(); }
    QString redo_text() const { return stack_.redoText(); }

    // The circuit as it is now is the saved one.
    void mark_saved() { stack_.setClean(); }
    bool modified() const { return !stack_.isClean(); }

signals:
    void modified_changed(bool modified);

private:
    void keep(const QString& text, std::shared_ptr<const circuit_state> before, bool with_file);
    void restore(const circuit_state& state, bool with_file);

    bench_model& model_;
    std::function<void()> restored_;
    QUndoStack stack_;
    std::shared_ptr<const circuit_state> pending_;
};

}  // namespace bench
