#include "report_load.h"

#include <QFile>
#include <cstdio>

#include "main_window.h"

namespace bench {

namespace {

// No dialog may wait for an answer: a file question is answered "no" and a
// warning goes to the error stream.
class printed_prompts : public file_prompts {
public:
    explicit printed_prompts(bool& warned) : warned_(warned) {}
    std::optional<QString> save_file_name(const QString&) override { return std::nullopt; }
    std::optional<QString> open_file_name(const QString&) override { return std::nullopt; }
    bool ask_overwrite(const QString&) override { return false; }
    void warn(const QString& text) override {
        warned_ = true;
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }

private:
    bool& warned_;
};

}  // namespace

int report_load(main_window& window, const QString& path) {
    bool warned = false;
    window.set_prompts(std::make_unique<printed_prompts>(warned));
    window.open_at_start(path);
    if (warned) return 1;
    bench_model& model = window.model();
    int pictures = 0;
    for (int k = 1; k <= model.chip_count(); ++k) {
        const QString chip_model = QString::fromStdString(model.chip_at(k).model).trimmed().toUpper();
        if (QFile::exists(window.program_folder() + QStringLiteral("ICshape/") + chip_model + QStringLiteral(".gif")))
            ++pictures;
    }
    int wires = 0;
    for (int w = 1; w <= model.wire_count(); ++w)
        if (!model.wire_at(w).is_contact()) ++wires;
    std::printf("caption: %s\ndata folder: %s\nchips: %d\nchip pictures: %d\nwires: %d\n",
                qPrintable(window.windowTitle()), qPrintable(window.program_folder()), model.chip_count(), pictures,
                wires);
    std::fflush(stdout);
    return 0;
}

}  // namespace bench
