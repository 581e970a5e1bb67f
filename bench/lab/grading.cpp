#include "grading.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include <QDir>

#include "csv_text.h"

namespace lab {

QStringList circuit_files(const QString& folder) {
    const QDir dir(folder);
    // Files only: no folders, and no pipes or devices (QDir::System is left
    // out), which a reader would wait on for ever.
    QStringList files = dir.entryList({QStringLiteral("*.cir")}, QDir::Files, QDir::Name);
    return files;
}

std::vector<file_grade> grade_files(const lab_sheet& sheet, const QString& folder, const QStringList& files,
                                    const grading_options& options) {
    std::vector<file_grade> grades(static_cast<std::size_t>(files.size()));
    const QDir dir(folder);
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype i = next++; i < files.size(); i = next++) {
            const auto deadline = std::chrono::steady_clock::now() + options.time_limit;
            file_grade& grade = grades[static_cast<std::size_t>(i)];
            grade.file = files[i];
            try {
                grade.result = check_file(sheet, dir.filePath(files[i]),
                                          [deadline] { return std::chrono::steady_clock::now() < deadline; });
            } catch (const std::exception& e) {
                grade.result.status = check_status::failed;
                grade.result.error = QString::fromUtf8(e.what());
            }
        }
    };
    int jobs = options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    jobs = static_cast<int>(std::min<qsizetype>(jobs, std::max<qsizetype>(files.size(), 1)));
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    return grades;
}

std::vector<file_grade> grade_folder(const lab_sheet& sheet, const QString& folder, const grading_options& options) {
    return grade_files(sheet, folder, circuit_files(folder), options);
}

QString grade_error(const check_result& result, std::chrono::milliseconds time_limit) {
    switch (result.status) {
    case check_status::checked:
        return {};
    case check_status::stopped:
        return QStringLiteral("time limit of %1 s exceeded").arg(time_limit.count() / 1000.0);
    case check_status::unreadable:
        return result.error;
    case check_status::failed:
        return QStringLiteral("cannot be evaluated: ") + result.error;
    }
    return result.error;
}

QByteArray grades_csv(const std::vector<file_grade>& grades, std::chrono::milliseconds time_limit) {
    QByteArray csv = csv_start();
    csv += csv_line({QStringLiteral("file"), QStringLiteral("passed"), QStringLiteral("total"),
                     QStringLiteral("first failing row"), QStringLiteral("error")});
    for (const file_grade& g : grades) {
        const QString file = inert_cell(g.file);
        if (g.result.status != check_status::checked) {
            csv += csv_line({file, {}, {}, {}, inert_cell(grade_error(g.result, time_limit))});
            continue;
        }
        const int failing = g.result.first_failure();
        const QString first = failing < 0 ? QString()
                                          : QString::fromStdString(row_name(g.result.rows[static_cast<std::size_t>(failing)]));
        csv += csv_line({file, QString::number(g.result.passed()), QString::number(g.result.total()), first, {}});
    }
    return csv;
}

}  // namespace lab
