#include "app/console/ConsoleFixture.h"
#include "ui/main/HelpWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPrintDialog>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

// Runs under with-cups: a CUPS daemon of its own with the PDF queue
// ORVANE_PRINT_QUEUE, whose files appear in ORVANE_PRINT_OUTPUT.

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void shell(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

struct Job {
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    std::string title;
};

// The newest job of the queue, in any state.
Job newestJob(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    Job newest;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > newest.id)
            newest = {jobs[i].id, jobs[i].state, jobs[i].title ? jobs[i].title : ""};
    if (count > 0) cupsFreeJobs(count, jobs);
    return newest;
}

std::string pdfText(const fs::path& pdf) {
    const fs::path text = pdf.string() + ".txt";
    if (std::system(("pdftotext '" + pdf.string() + "' '" + text.string() + "'").c_str()) != 0)
        return {};
    std::ostringstream contents;
    contents << std::ifstream(text).rdbuf();
    return contents.str();
}

struct ScratchDir {
    fs::path path = fs::temp_directory_path() / ("orvane-print-" + std::to_string(::getpid()));
    ScratchDir() { fs::create_directories(path); }
    ~ScratchDir() { fs::remove_all(path); }
};

class ReceivePrinting : public ::testing::Test {
protected:
    void SetUp() override {
        if (queue.empty()) GTEST_SKIP() << "run by with-cups";
    }

    void trigger(const char* action) {
        console.console.mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    ReceivePane& pane() { return *console.console.mainWindow().findChild<ReceivePane*>(); }
    // The operator will pick `printer` in the next printer dialog and confirm.
    void answerPrinterDialog(const std::string& printer) {
        console.prompter.onNextDialog([printer](QDialog& dialog) {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            EXPECT_NE(printers, nullptr);
            if (!printers) return 0;
            printers->setCurrentIndex(printers->findText(QString::fromStdString(printer)));
            dialog.accept();
            return dialog.result();
        });
    }
    void chooseInPrintSetup(const std::string& printer) {
        answerPrinterDialog(printer);
        trigger("PrintSetup1");
    }

    const std::string queue = env("ORVANE_PRINT_QUEUE");
    const fs::path output = env("ORVANE_PRINT_OUTPUT");
    ScratchDir base;
    ConsoleUnderTest console{base.path};
};

TEST_F(ReceivePrinting, PrintsTheWholePaneAsOneTitledJobOnThePrinterChosenInSetup) {
    // Two pages of traffic in both colours: received lines and their echoes.
    for (int line = 1; line <= 90; ++line) {
        const std::string text =
            "DE W1AW LINE " + std::to_string(line) + " THE QUICK BROWN FOX <&> 0123456789\n";
        for (char c : text)
            (line % 2 ? pane().showReceived(c) : pane().showEcho(c));
    }
    pane().flushPending();
    const int before = newestJob(queue).id;

    chooseInPrintSetup(queue);
    trigger("mnuFilesPrintCont");

    EXPECT_EQ(console.prompter.asked().size(), 0u) << console.prompter.texts().front();
    const Job job = newestJob(queue);
    ASSERT_GT(job.id, before);
    EXPECT_EQ(job.title.rfind("Orvane RX Buffer  ", 0), 0u) << job.title;
    // The PDF is whole once the queue has finished the job.
    Job done;
    ASSERT_TRUE(ConsoleUnderTest::waitFor(
        [&] {
            done = newestJob(queue);
            return done.state >= IPP_JSTATE_STOPPED;
        },
        120000));
    ASSERT_EQ(done.state, IPP_JSTATE_COMPLETED);
    fs::path pdf;
    for (const auto& entry : fs::directory_iterator(output))
        if (entry.path().filename().string().ends_with("job_" + std::to_string(job.id) + ".pdf"))
            pdf = entry.path();
    ASSERT_FALSE(pdf.empty()) << "no PDF for job " << job.id;

    // Page after page, each with its number at the foot; the pane's text whole.
    QStringList pages =
        QString::fromStdString(pdfText(pdf)).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    QString text;
    for (int page = 1; page <= pages.size(); ++page) {
        QString body = pages[page - 1].trimmed();
        ASSERT_TRUE(body.endsWith(QLatin1Char('\n') + QString::number(page)))
            << body.right(20).toStdString();
        text += body.chopped(QString::number(page).size()) + QLatin1Char('\n');
    }
    EXPECT_EQ(text.simplified().toStdString(), pane().toPlainText().simplified().toStdString());
}

TEST_F(ReceivePrinting, APrinterThatTakesNoJobSaysWhichAndWhyAndNothingIsPrinted) {
    const std::string gone = queue + "-gone";
    struct Case {
        const char* what;
        std::string printer;
        std::string breakIt, mendIt;
        const char* reason;
    };
    const Case cases[] = {
        {"a queue removed after it was chosen", gone, "lpadmin -x " + gone, "", "does not exist"},
        {"a queue refusing jobs", queue, "cupsreject -r 'out of paper' " + queue,
         "cupsaccept " + queue, "is not accepting jobs. (out of paper)"},
    };
    shell("lpadmin -p " + gone + " -E -v cups-pdf:/" + gone +
          " -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null");
    pane().showReceived('K');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t askedBefore = console.prompter.asked().size();
        chooseInPrintSetup(c.printer);
        const int before = newestJob(c.printer).id;
        shell(c.breakIt);
        trigger("mnuFilesPrintCont");
        if (!c.mendIt.empty()) shell(c.mendIt);

        ASSERT_EQ(console.prompter.asked().size(), askedBefore + 1);
        const auto& asked = console.prompter.asked().back();
        EXPECT_EQ(asked.caption, "Error");
        EXPECT_EQ(asked.icon, PromptIcon::Stop);
        EXPECT_EQ(asked.text.rfind("The RX buffer was not printed on \"" + c.printer + "\": ", 0),
                  0u)
            << asked.text;
        EXPECT_NE(asked.text.find(c.reason), std::string::npos) << asked.text;
        EXPECT_EQ(newestJob(c.printer).id, before);
    }
}

TEST_F(ReceivePrinting, TheHelpWindowPrintsItsListOrSaysItCouldNot) {
    HelpWindow& help = console.probe.helpWindow();
    auto print = [&] { help.findChild<QAction*>(QStringLiteral("Print1"))->trigger(); };
    const int before = newestJob(queue).id;
    answerPrinterDialog(queue);
    print();
    EXPECT_TRUE(console.prompter.asked().empty());
    EXPECT_EQ(newestJob(queue).title, "Orvane Help");

    shell("cupsreject " + queue);
    answerPrinterDialog(queue);
    print();
    shell("cupsaccept " + queue);
    EXPECT_EQ(console.prompter.texts(),
              std::vector<std::string>{"Error Printing...\r\n Please, Check Printer Installation"});
    EXPECT_EQ(newestJob(queue).id, before + 1);
}

TEST_F(ReceivePrinting, WithoutPrintersBothItemsSaySoAndShowNoDialog) {
    // A print system with no queues at all: one that does not answer.
    cupsSetServer((base.path / "no-cups.sock").c_str());
    trigger("PrintSetup1");
    trigger("mnuFilesPrintCont");
    cupsSetServer(nullptr);

    ASSERT_EQ(console.prompter.asked().size(), 2u);
    for (const auto& asked : console.prompter.asked()) {
        EXPECT_EQ(asked.caption, "Error");
        EXPECT_EQ(asked.text, "There are no printers installed.");
        EXPECT_EQ(asked.icon, PromptIcon::Stop);
    }
    EXPECT_EQ(console.prompter.dialogsRun(), 0);
}

} // namespace
} // namespace orvane
