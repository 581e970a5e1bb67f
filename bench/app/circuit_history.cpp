#include "circuit_history.h"

#include <QUndoCommand>

namespace bench {

namespace {

// A big circuit's copy is a few hundred kilobytes; a hundred steps back are
// more than a lesson needs.
constexpr int kUndoSteps = 100;

class circuit_edit : public QUndoCommand {
public:
    using restore_fn = std::function<void(const circuit_state&, bool with_file)>;

    circuit_edit(const QString& text, std::shared_ptr<const circuit_state> before,
                 std::shared_ptr<const circuit_state> after, bool with_file, restore_fn restore)
        : QUndoCommand(text),
          before_(std::move(before)),
          after_(std::move(after)),
          with_file_(with_file),
          restore_(std::move(restore)) {}

    void undo() override { restore_(*before_, with_file_); }
    void redo() override {
        // The change itself was made before it was kept.
        if (first_redo_) {
            first_redo_ = false;
            return;
        }
        restore_(*after_, with_file_);
    }

private:
    std::shared_ptr<const circuit_state> before_;
    std::shared_ptr<const circuit_state> after_;
    bool with_file_;
    restore_fn restore_;
    bool first_redo_ = true;
};

}  // namespace

circuit_history::circuit_history(bench_model& model, std::function<void()> restored, QObject* parent)
    : QObject(parent), model_(model), restored_(std::move(restored)) {
    stack_.setUndoLimit(kUndoSteps);
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modified_changed(!clean); });
}

circuit_history::~circuit_history() {
    // The stack empties itself as it goes and says so; the window that
    // listens may be half gone by then.
    stack_.blockSignals(true);
}

void circuit_history::keep(const QString& text, std::shared_ptr<const circuit_state> before, bool with_file) {
    auto after = std::make_shared<const circuit_state>(model_.snapshot());
    if (!with_file && same_circuit(before->circuit, after->circuit)) return;
    stack_.push(new circuit_edit(text, std::move(before), std::move(after), with_file,
                                 [this](const circuit_state& state, bool file) { restore(state, file); }));
}

void circuit_history::record(const QString& text, const std::function<void()>& change) {
    auto before = std::make_shared<const circuit_state>(model_.snapshot());
    change();
    keep(text, std::move(before), false);
}

file_result circuit_history::record_load(const QString& text, const std::function<file_result()>& load) {
    auto before = std::make_shared<const circuit_state>(model_.snapshot());
    const file_result result = load();
    if (result.ok) keep(text, std::move(before), true);
    return result;
}

void circuit_history::begin() { pending_ = std::make_shared<const circuit_state>(model_.snapshot()); }

void circuit_history::finish(const QString& text, const std::function<void()>& change) {
    std::shared_ptr<const circuit_state> before = std::move(pending_);
    pending_.reset();
    if (!before) before = std::make_shared<const circuit_state>(model_.snapshot());
    change();
    keep(text, std::move(before), false);
}

void circuit_history::undo() {
    if (in_progress() || !stack_.canUndo()) return;
    stack_.undo();
}

void circuit_history::redo() {
    if (in_progress() || !stack_.canRedo()) return;
    stack_.redo();
}

void circuit_history::restore(const circuit_state& state, bool with_file) {
    pending_.reset();
    model_.restore_circuit(state, with_file);
    if (restored_) restored_();
}

}  // namespace bench
