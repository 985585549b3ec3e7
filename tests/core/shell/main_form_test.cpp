#include "shell/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "file/competition_file.h"
#include "platform/scripted_platform.h"
#include "reports/active_report_form.h"
#include "reports/rep_fields.h"
#include "setup/change_class_form.h"
#include "setup/defaults_form.h"
#include "setup/setup_fonts_form.h"
#include "shell/text_edit_form.h"
#include "shell/backup_names.h"
#include "store/competition.h"
#include "support/temp_folder.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;

constexpr std::string_view kCaptionPrefix = "QUENCHEL v3.0.0 12/03/2024  ";

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : form(competition, platform.Get()) {}

  void AddClass(std::string_view number, std::string_view name) {
    competition.ClassList.AddSorted(MakeRecord({number, name, "4"}));
  }
  void AddCompetitor(std::string_view number) {
    competition.CompetitorList.AddSorted(MakeRecord({number, "Ann", "Smith"}));
  }
  // Writes a small competition file and answers its path.
  std::string WriteCompetitionFile(const std::string& name, int activeClass = 2) {
    Competition other;
    other.ClassList.AddSorted(MakeRecord({"2", "Open Championship", "4"}));
    other.CompetitorList.AddSorted(MakeRecord({"501", "Ann", "Smith"}));
    other.state.ActiveClass = activeClass;
    other.state.CompetitionTitle = "Spring Show";
    ScriptedDialogs quiet;
    const std::string path = folder.File(name);
    EXPECT_EQ(SaveCompetitionFile(other, path, quiet), 1);
    return path;
  }
  std::vector<Shown> Messages() const { return platform.dialogs.Messages(); }
  const Shown& Only() const {
    EXPECT_EQ(platform.dialogs.Messages().size(), 1u);
    return platform.dialogs.Messages().front();
  }

  testsupport::TempFolder folder;
  Competition competition;
  ScriptedPlatform platform;
  TMainForm form;
};

// --- guards ------------------------------------------------------------------------------

struct GuardCase {
  const char* name;
  Command command;
  std::function<void(Competition&)> prepare;
  const char* caption;
  const char* text;
};

class MainFormGuardTest : public MainFormTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(MainFormGuardTest, RefusesWithItsMessageOnceAndChangesNothing) {
  const GuardCase& c = GetParam();
  c.prepare(competition);
  competition.state.UnsavedData = false;
  const std::string before = CompetitionFileText(competition);
  form.Run(c.command);
  EXPECT_EQ(Only(), (Shown{Kind::Information, c.caption, c.text}));
  EXPECT_EQ(CompetitionFileText(competition), before);
  EXPECT_FALSE(competition.state.UnsavedData);
  EXPECT_TRUE(platform.forms.Shown().empty());
}

const auto kNothing = [](Competition&) {};
const auto kOneClass = [](Competition& c) { c.ClassList.AddSorted(MakeRecord({"1", "Open"})); };

INSTANTIATE_TEST_SUITE_P(
    Guards, MainFormGuardTest,
    ::testing::Values(
        GuardCase{"ChangeClassWithoutClasses", Command::ChangeActiveClass, kNothing, "Classes",
                  "There are no Classes to Change"},
        GuardCase{"ScoresChecksScoresFirst", Command::Scores, kNothing, "Scores", "No scores found"},
        GuardCase{"ScoresWithoutClasses", Command::Scores,
                  [](Competition& c) { c.ScoreList.AddSorted(MakeRecord({"501", "1"})); }, "Scores",
                  "No Classes defined to enter scores into!"},
        GuardCase{"ScheduleWithoutActiveClass", Command::Schedule, kOneClass, "Schedule", "No Active Class"},
        GuardCase{"LabelsNeedBothLists", Command::Labels,
                  [](Competition& c) { c.CompetitorList.AddSorted(MakeRecord({"501"})); },
                  "Labels can't yet be provided", "Labels require Competitors or Schedules"},
        GuardCase{"JudgesSheetWithoutSchedule", Command::JudgesScoringSheet, kNothing, "Schedules",
                  "No Schedules found"},
        GuardCase{"ReportsWithoutClasses", Command::Reports, kNothing, "Reports",
                  "No Classes defined to create Reports!"},
        GuardCase{"ActiveReportWithoutReports", Command::ActiveReport, kNothing, "Reports", "There are no Reports"},
        GuardCase{"ActiveReportNotTrusted", Command::ActiveReport,
                  [](Competition& c) {
                    c.ReportList.AddSorted(MakeRecord({"1", "Final"}));
                    SetRepFieldFlag(c, 1, 1, 1, "Y");
                    SetRepFieldTrust(c, 1, 1, false);
                    c.state.ActiveReport = 1;
                  },
                  "Report Not Trusted", "Please check at Report"},
        GuardCase{"ChangeReportWithoutReports", Command::ChangeActiveReport, kNothing, "Reports",
                  "There are no Reports"},
        GuardCase{"BatchWithoutReports", Command::BatchPrintReports, kNothing, "Reports",
                  "There are no Reports to add to a Batch"},
        GuardCase{"CompetitorsWithoutClasses", Command::Competitors, kNothing, "Advice!",
                  "You must first create a Class"},
        GuardCase{"SearchWithoutSchedules", Command::ScheduleSearch, kNothing, "Schedules", "No Schedules defined"},
        GuardCase{"SwapWithoutActiveClass", Command::SwapScoreFields, kNothing, "Class Utilities", "No class found"},
        GuardCase{"ClearWithoutActiveClass", Command::ClearData, kNothing, "Clear Data Utility",
                  "No Active Class found"},
        GuardCase{"HelpPointsToStartMenu", Command::Help, kNothing, "Help",
                  "Help can be found on the START MENU > Program Files > Quenchel"}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return info.param.name; });

TEST_F(MainFormTest, ClearDataWarnsAboutUnsavedDataAndGoesOn) {
  AddClass("1", "Open");
  competition.state.ActiveClass = 1;
  competition.state.UnsavedData = true;
  form.Run(Command::ClearData);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], (Shown{Kind::Information, "Warning", "You have unsaved data - You must save before continuing"}));
  EXPECT_EQ(Messages()[1].caption, "Not available yet");  // the utility itself comes later
}

TEST_F(MainFormTest, ActiveReportOpensTheReportWindowOnTheActiveReport) {
  AddClass("1", "Open");
  competition.ReportList.AddSorted(MakeRecord({"1", "Final", "Open Results", "", "", "D", "I"}));
  competition.state.ActiveReport = 1;
  std::string heading;
  platform.forms.Then([&](Form& shown) {
    heading = static_cast<TActiveReportGridForm&>(shown).Heading;
    return ModalResult::Cancel;
  });
  form.Run(Command::ActiveReport);
  EXPECT_EQ(platform.forms.Shown(), (std::vector<std::string>{"TActiveReportGridForm"}));
  EXPECT_EQ(heading, "Open Results");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, ChangeActiveClassShowsTheChosenClassAtOnce) {
  AddClass("1", "Open");
  AddClass("2", "Novice");
  competition.state.ActiveClass = 1;
  platform.forms.Then([](Form& shown) {
    auto& change = static_cast<TChangeClassForm&>(shown);
    change.FormActivate();
    change.ActiveClassCBChange("Novice");
    return ModalResult::OK;
  });
  form.Run(Command::ChangeActiveClass);
  EXPECT_EQ(platform.forms.Shown(), (std::vector<std::string>{"TChangeClassForm"}));
  EXPECT_EQ(competition.state.ActiveClass, 2);
  EXPECT_EQ(form.ActiveClassLabel(), "Novice");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, SetUpClassesOpensTheClassList) {
  platform.forms.Then([](Form&) { return ModalResult::Cancel; });
  form.Run(Command::Classes);
  EXPECT_EQ(platform.forms.Shown(), (std::vector<std::string>{"TClassGridForm"}));
}

TEST_F(MainFormTest, DataCheckTogglesItsMark) {
  form.Run(Command::DataCheck);
  EXPECT_TRUE(form.DataCheckChecked());
  form.Run(Command::DataCheck);
  EXPECT_FALSE(form.DataCheckChecked());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, PrinterSetupNeedsAPrinter) {
  platform.printing.installed = false;
  form.Run(Command::SetupPrinter);
  EXPECT_EQ(Only(), (Shown{Kind::Information, "No Printer", "Printer Not Installed"}));
  EXPECT_EQ(platform.printing.setupShown, 0);
  platform.printing.installed = true;
  form.Run(Command::SetupPrinter);
  EXPECT_EQ(platform.printing.setupShown, 1);
}

// --- start-up and heading ----------------------------------------------------------------

TEST_F(MainFormTest, StartUpReadsThePrinterAndShowsTheProductCaption) {
  form.FormCreate(96);
  EXPECT_EQ(competition.state.PrinterResolution, 600);
  EXPECT_EQ(competition.state.ScreenResolution, 96);
  EXPECT_EQ(form.Caption(), "QUENCHEL v3.0.0 ");
  EXPECT_EQ(form.ActiveClassLabel(), "Class Name Here");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, StartUpWithoutPrinterSaysSoOnce) {
  platform.printing.installed = false;
  form.FormCreate(96);
  EXPECT_EQ(Only(), (Shown{Kind::Information, "No Printer", "Printer Not Installed"}));
  EXPECT_EQ(competition.state.PrinterResolution, 0);
}

TEST_F(MainFormTest, FirstActivationOpensTheCommandLineFileAndShowsItsClass) {
  const std::string path = WriteCompetitionFile("show.FCR");
  EXPECT_TRUE(form.FormActivate({path}));
  EXPECT_EQ(competition.state.CurrentFileName, path);
  EXPECT_EQ(form.ActiveClassLabel(), "Open Championship");
  EXPECT_EQ(form.CompetitionLabel(), "Spring Show");
  EXPECT_EQ(form.Caption(), std::string(kCaptionPrefix) + path);
  EXPECT_FALSE(form.FormActivate({path})) << "only the first activation opens the file";
  EXPECT_EQ(competition.CompetitorList.Count(), 1);
}

TEST_F(MainFormTest, UnreadableCommandLineFileLeavesAnEmptyCompetition) {
  const std::string path = WriteCompetitionFile("show.FCR");
  std::filesystem::resize_file(path, std::filesystem::file_size(path) - 200);  // cut inside a section
  form.FormActivate({path});
  EXPECT_EQ(competition.ClassList.Count(), 0);
  EXPECT_EQ(competition.CompetitorList.Count(), 0);
  EXPECT_TRUE(competition.state.CurrentFileName.empty());
  EXPECT_TRUE(competition.state.OpenedFileName.empty()) << "a later Open must not offer to write over it";
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, DeveloperModeHidesTheWelcomeScreenAndShowsDeveloperItems) {
  EXPECT_TRUE(form.FormActivate({}));
  EXPECT_FALSE(form.DeveloperItemsVisible());
  Competition other;
  TMainForm developer(other, platform.Get(), true);
  EXPECT_FALSE(developer.FormActivate({}));
  EXPECT_TRUE(developer.DeveloperItemsVisible());
}

TEST_F(MainFormTest, ShowActiveClassFallsBackToNoClass) {
  AddClass("3", "Young Farriers");
  competition.state.CompetitionTitle = "Spring";
  form.ShowActiveClass(3);
  EXPECT_EQ(competition.state.ActiveClass, 3);
  EXPECT_EQ(form.ActiveClassLabel(), "Young Farriers");
  form.ShowActiveClass(7);
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(form.ActiveClassLabel(), "Class Name Here");
  EXPECT_EQ(form.CompetitionLabel(), "Spring");
}

// --- status line and backup ----------------------------------------------------------------

TEST_F(MainFormTest, StatusLineTellsWhetherDataAreSaved) {
  competition.state.LastSaveTime = "18/04/2026 09:00:00";
  competition.state.LastBackupText = "Last Auto Backup : 18/04/2026 09:01:00";
  form.MainTimerTick();
  EXPECT_EQ(form.StatusText(),
            "All data currenty saved. : 18/04/2026 09:00:00  (Last Auto Backup : 18/04/2026 09:01:00)");
  competition.state.UnsavedData = true;
  form.MainTimerTick();
  EXPECT_EQ(form.StatusText(), "Unsaved Data. Save Now!                 (Last Auto Backup : 18/04/2026 09:01:00)");
}

TEST_F(MainFormTest, BackupTickWritesBesideTheFileWithoutTouchingTheUnsavedFlag) {
  form.BackupTimerTick();
  EXPECT_TRUE(competition.state.LastBackupText.empty()) << "no file name, no backup";

  competition.state.CurrentFileName = folder.File("Spring.2024.FCR");
  competition.state.UnsavedData = true;
  AddCompetitor("501");
  form.BackupTimerTick();
  EXPECT_TRUE(std::filesystem::exists(folder.File("Spring.2024.BAK")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("Spring.2024.FCR")));
  EXPECT_EQ(competition.state.LastBackupText, "Last Auto Backup : 18/04/2026 09:30:00");
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormTest, FailingBackupReportsEveryTickAndKeepsTheLastGoodTime) {
  competition.state.CurrentFileName = folder.File("show.FCR");
  form.BackupTimerTick();
  const std::string good = competition.state.LastBackupText;
  competition.state.CurrentFileName = folder.File("missing-folder/show.FCR");
  platform.clock.Set({2026, 4, 18, 9, 31, 0});
  form.BackupTimerTick();
  form.BackupTimerTick();
  EXPECT_EQ(platform.dialogs.CountShown("Save Error", "Unable to save Files"), 2);
  EXPECT_EQ(competition.state.LastBackupText, good);
}

TEST(BackupNames, ReplaceOrAppendTheExtension) {
  struct Case {
    const char* current;
    const char* backup;
  };
  for (const Case& c : {Case{"/shows/Spring.2024.FCR", "/shows/Spring.2024.BAK"}, Case{"/shows/Spring", "/shows/Spring.BAK"},
                        Case{"/sh.ows/Spring", "/sh.ows/Spring.BAK"}, Case{"/shows/Spring.BAK", "/shows/Spring.BAK.BAK"},
                        Case{"/shows/Spring.bak", "/shows/Spring.bak.BAK"}})
    EXPECT_EQ(BackupFileName(c.current), c.backup) << c.current;
  EXPECT_EQ(RestoredFileName("/shows/Spring.BAK"), "/shows/Spring.FCR");
  EXPECT_EQ(RestoredFileName("/shows/Spring.2024.BAK"), "/shows/Spring.2024.FCR");
  EXPECT_EQ(RestoredFileName("/shows/Spring"), "/shows/Spring.FCR");
}

// --- Save and Save As ------------------------------------------------------------------------

TEST_F(MainFormTest, SaveWithoutANameAsksAndCancelWritesNothing) {
  competition.state.UnsavedData = true;
  form.Run(Command::Save);
  ASSERT_EQ(platform.files.Requests().size(), 1u);
  const FileDialogRequest& asked = platform.files.Requests()[0].request;
  EXPECT_EQ(platform.files.Requests()[0].kind, "save");
  EXPECT_EQ(asked.title, "Save");
  EXPECT_EQ(asked.filter, "Quenchel Files(*.FCR)|*.FCR");
  EXPECT_EQ(asked.defaultExtension, "FCR");
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(MainFormTest, SaveWritesFlashesAndRecordsTheTime) {
  competition.state.UnsavedData = true;
  AddCompetitor("501");
  platform.files.Choose(folder.File("new.FCR"));
  form.Run(Command::Save);
  EXPECT_EQ(Only(), (Shown{Kind::Flash, "Save", "Files Saved"}));
  EXPECT_FALSE(competition.state.UnsavedData);
  EXPECT_EQ(competition.state.LastSaveTime, "18/04/2026 09:30:00");
  EXPECT_EQ(form.Caption(), std::string(kCaptionPrefix) + folder.File("new.FCR"));

  Competition reread;
  ScriptedDialogs quiet;
  ASSERT_EQ(LoadCompetitionFile(reread, folder.File("new.FCR"), quiet), 1);
  EXPECT_EQ(reread.CompetitorList.Count(), 1);

  form.Run(Command::Save);  // a known name is not asked again
  EXPECT_EQ(platform.files.Requests().size(), 1u);
}

TEST_F(MainFormTest, FailedSaveKeepsTheDataUnsaved) {
  competition.state.UnsavedData = true;
  competition.state.CurrentFileName = folder.File("no-such-folder/show.FCR");
  form.Run(Command::Save);
  EXPECT_EQ(Only(), (Shown{Kind::Information, "Save Error", "Unable to save Files"}));
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_TRUE(competition.state.LastSaveTime.empty());
}

TEST_F(MainFormTest, SaveAsOfAnEarlierVersionAsksOncePerSaveAs) {
  competition.state.FileFormatVersion = "1";
  platform.dialogs.Answer(false);  // keep the earlier structure for this Save As
  platform.dialogs.Answer(false);  // and the writer's own question
  platform.files.Choose(folder.File("old.FCR"));
  form.Run(Command::SaveAs);
  EXPECT_EQ(platform.dialogs.CountShown("Newer File Structure", "Do you want to save with the new file structure?"), 1);
  EXPECT_EQ(competition.state.FileFormatVersion, "1");
  EXPECT_EQ(platform.files.Requests()[0].request.title, "Save As....");

  platform.dialogs.Answer(true);
  platform.files.Choose(folder.File("new.FCR"));
  form.Run(Command::SaveAs);
  EXPECT_EQ(platform.dialogs.CountShown("Newer File Structure", "Do you want to save with the new file structure?"), 2);
  EXPECT_EQ(competition.state.FileFormatVersion, "2");
  EXPECT_EQ(competition.state.CurrentFileName, folder.File("new.FCR"));
  EXPECT_EQ(platform.dialogs.UnexpectedQuestions(), 0);
}

// --- Open, Open Old File, New -------------------------------------------------------------

TEST_F(MainFormTest, OpenWithNothingOpenAsksNothingAndCancelLeavesAnEmptyCompetition) {
  AddClass("1", "Open");
  form.Run(Command::Open);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(competition.ClassList.Count(), 0);
  EXPECT_TRUE(competition.state.CurrentFileName.empty());
  EXPECT_EQ(form.Caption(), kCaptionPrefix);
  const FileDialogRequest& asked = platform.files.Requests().at(0).request;
  EXPECT_EQ(asked.title, "Open");
  EXPECT_EQ(asked.filter, "Quenchel Files(*.FCR)|*.FCR|Any file|*.*");
}

TEST_F(MainFormTest, OpenReadsTheChosenFile) {
  const std::string path = WriteCompetitionFile("show.FCR");
  platform.files.Choose(path);
  form.Run(Command::Open);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(competition.state.CurrentFileName, path);
  EXPECT_EQ(competition.state.OpenedFileName, path);
  EXPECT_EQ(form.ActiveClassLabel(), "Open Championship");
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(MainFormTest, OpenOffersToSaveTheOpenFileFirst) {
  const std::string first = WriteCompetitionFile("first.FCR");
  const std::string second = WriteCompetitionFile("second.FCR", 0);
  platform.files.Choose(first);
  form.Run(Command::Open);
  AddCompetitor("777");
  competition.state.UnsavedData = true;

  platform.dialogs.Answer(true);
  platform.files.Choose(second);
  form.Run(Command::Open);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{Kind::Question, "Save File?", "Current File Open with UNSAVED data - Save?"},
                                            {Kind::Information, "Save", "File Saved"}}));
  Competition reread;
  ScriptedDialogs quiet;
  ASSERT_EQ(LoadCompetitionFile(reread, first, quiet), 1);
  EXPECT_NE(reread.CompetitorList.FindKey("777"), nullptr) << "the changes went into the open file";
  EXPECT_EQ(competition.state.CurrentFileName, second);
  EXPECT_EQ(form.ActiveClassLabel(), "Class Name Here");
}

TEST_F(MainFormTest, OpenStopsWhenTheWantedSaveFails) {
  competition.state.OpenedFileName = competition.state.CurrentFileName = folder.File("gone/show.FCR");
  AddCompetitor("501");
  competition.state.UnsavedData = true;
  platform.dialogs.Answer(true);
  form.Run(Command::Open);
  EXPECT_EQ(platform.dialogs.CountShown("Save Error", "Unable to save Files"), 1);
  EXPECT_EQ(platform.dialogs.CountShown("Save", "File Saved"), 0);
  EXPECT_EQ(competition.CompetitorList.Count(), 1) << "nothing may be thrown away";
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_TRUE(platform.files.Requests().empty());
}

TEST_F(MainFormTest, OpenOfADamagedFileReportsAndEmptiesEverything) {
  const std::string path = folder.File("bad.FCR");
  std::ofstream(path) << "2\n0\n0\n500\n";
  platform.files.Choose(path);
  form.Run(Command::Open);
  EXPECT_EQ(Only(), (Shown{Kind::Information, "File Load Error", "Unable to Load file! "}));
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 500);
  EXPECT_TRUE(competition.state.OpenedFileName.empty());
  EXPECT_TRUE(competition.state.CurrentFileName.empty());
}

TEST_F(MainFormTest, OpenOldFileReadsTheOldStructure) {
  const std::string path = folder.File("old.FCR");
  {
    std::ofstream out(path);
    out << "1\n3\n0\n500\n%6.1f\nArial\n8\n7\n3\n1\n<section\n";
    const char* ends[] = {"End Comp", "End Class", "End Field", "End Score", "End Reports", "End RepField",
                          "End Team", "End Round", "End Horse", "End Forge", "End ScheduleList", "End Label"};
    for (int i = 0; i < 12; ++i) {
      out << "t1\nt2\nt3\n";
      if (i == 1) {
        out << "Next Class:\n3\nOld Class\n";
        for (int cell = 2; cell < 25; ++cell) out << "\n";
      }
      out << ends[i] << "\n";
      if (i < 11) out << "<section\n";
    }
  }
  platform.files.Choose(path);
  form.Run(Command::OpenOldFile);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(platform.files.Requests().at(0).request.title, "Open Old Files");
  EXPECT_EQ(competition.state.CurrentFileName, path);
  EXPECT_EQ(form.ActiveClassLabel(), "Old Class");
  EXPECT_EQ(competition.ClassList.First()->Cell(25), ".");
}

TEST_F(MainFormTest, NewAsksToSaveThenToRemoveEverything) {
  AddClass("1", "Open");
  competition.state.UnsavedData = true;
  platform.dialogs.Answer(false);  // do not save
  platform.dialogs.Answer(false);  // do not start anew
  form.Run(Command::New);
  EXPECT_EQ(competition.ClassList.Count(), 1);

  platform.dialogs.Answer(false);
  platform.dialogs.Answer(true);
  competition.state.CurrentFileName = "/shows/x.FCR";
  form.Run(Command::New);
  EXPECT_EQ(competition.ClassList.Count(), 0);
  EXPECT_TRUE(competition.state.CurrentFileName.empty());
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 500);
  EXPECT_TRUE(competition.state.CompetitionTitle.empty());
  EXPECT_EQ(form.ActiveClassLabel(), "No Active Class Selected");
  EXPECT_EQ(Messages().back(),
            (Shown{Kind::Information, "All Data Removed", "You can Open an existing File or Set up an New Competition"}));
  EXPECT_EQ(platform.dialogs.CountShown("Unsaved data found!", "Your current file has unsaved data, Do you want to save it?"), 2);
  EXPECT_EQ(platform.dialogs.CountShown("New Competition", "All currently held data will be removed!"), 2);
}

// --- Restore -------------------------------------------------------------------------------

TEST_F(MainFormTest, RestoreReadsTheBackupUnderTheCompetitionName) {
  const std::string backup = WriteCompetitionFile("Spring.BAK");
  platform.dialogs.Answer(true);   // open the backup
  platform.dialogs.Answer(false);  // do not save the current file
  platform.files.Choose(backup);
  form.Run(Command::RestoreAutoBackup);
  const std::string restored = folder.File("Spring.FCR");
  EXPECT_EQ(Messages(), (std::vector<Shown>{
                            {Kind::Question, "Auto Backup File Restore", "Open Auto Backup File?"},
                            {Kind::Question, "Save File?", "Current File Open - Save?"},
                            {Kind::Information, "Restore File", "The backup file has the same name but has '.BAK'"},
                            {Kind::Information, "Restore File", "The file extension '.BAK' will be replaced with '.FCR'"},
                            {Kind::Information, "Restore Complete", restored},
                        }));
  EXPECT_EQ(competition.state.CurrentFileName, restored);
  EXPECT_FALSE(std::filesystem::exists(restored)) << "restoring writes nothing until the next Save";
  EXPECT_EQ(form.ActiveClassLabel(), "Open Championship");
  const FileDialogRequest& asked = platform.files.Requests().at(0).request;
  EXPECT_EQ(asked.filter, "Quenchel Files(*.FCR)|*.BAK|Any file|*.*");
  EXPECT_EQ(asked.defaultExtension, "BAK");
}

TEST_F(MainFormTest, RestoreAnsweredNoChangesNothing) {
  AddClass("1", "Open");
  platform.dialogs.Answer(false);
  form.Run(Command::RestoreAutoBackup);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(competition.ClassList.Count(), 1);
}

TEST_F(MainFormTest, CancelledRestoreLeavesAnEmptyCompetitionWithoutFileName) {
  AddClass("1", "Open");
  competition.state.CurrentFileName = "/shows/x.FCR";
  platform.dialogs.Answer(true);
  platform.dialogs.Answer(false);
  form.Run(Command::RestoreAutoBackup);
  EXPECT_EQ(competition.ClassList.Count(), 0);
  EXPECT_TRUE(competition.state.CurrentFileName.empty());
  EXPECT_EQ(platform.dialogs.CountShown("Restore Complete", ".FCR"), 0);
}

// --- commands with forms --------------------------------------------------------------------

TEST_F(MainFormTest, NamingTheCompetitionAlwaysMarksItUnsaved) {
  competition.state.CompetitionTitle = "Spring Show";
  std::string heading;
  std::string shownText;
  platform.forms.Then([&](Form& form) {
    auto& prompt = dynamic_cast<TextEditForm&>(form);
    heading = prompt.Heading;
    shownText = prompt.Edit;
    return prompt.OKClick();  // unchanged
  });
  form.Run(Command::NameOfCompetition);
  EXPECT_EQ(heading, "Competition Title");
  EXPECT_EQ(shownText, "Spring Show");
  EXPECT_TRUE(competition.state.UnsavedData);

  platform.forms.Then([](Form& form) {
    dynamic_cast<TextEditForm&>(form).Edit = "Autumn Show";
    return ModalResult::OK;
  });
  form.lblCompetitionClick();
  EXPECT_EQ(competition.state.CompetitionTitle, "Autumn Show");
  EXPECT_EQ(form.CompetitionLabel(), "Autumn Show");
  EXPECT_EQ(platform.forms.UnexpectedForms(), 0);
}

TEST_F(MainFormTest, ChangedDefaultsAreUnsavedDataButCancelChangesNothing) {
  platform.forms.Then([](Form& form) { return dynamic_cast<TDefaultsForm&>(form).CancelClick(); });
  form.Run(Command::Defaults);
  EXPECT_FALSE(competition.state.UnsavedData);

  platform.forms.Then([](Form& form) {
    auto& defaults = dynamic_cast<TDefaultsForm&>(form);
    EXPECT_EQ(defaults.EditLowestCompNo, "500");
    defaults.EditLowestCompNo = "100";
    return defaults.OKClick();
  });
  form.Run(Command::Defaults);
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 100);
  EXPECT_TRUE(competition.state.UnsavedData);
}

TEST_F(MainFormTest, FontsCommandSetsThePrintedFont) {
  platform.fonts.Choose(FontChoice{"Liberation Sans", 10});
  form.Run(Command::Fonts);
  EXPECT_EQ(platform.fonts.Requests().at(0).initial.name, "Arial");
  EXPECT_EQ(platform.fonts.Requests().at(0).initial.size, 8);
  EXPECT_EQ(competition.settings.PrintFontName, "Liberation Sans");
  EXPECT_EQ(competition.settings.PrintFontSize, "10");
  EXPECT_TRUE(competition.state.UnsavedData);

  competition.state.UnsavedData = false;
  form.Run(Command::Fonts);  // cancelled
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(MainFormTest, ScheduleOpensTheScheduleFontsOnceThereIsAnActiveClass) {
  AddClass("1", "Open");
  competition.state.ActiveClass = 1;
  platform.forms.Then([](Form& form) {
    auto& fonts = dynamic_cast<TSetUpFontsForm&>(form);
    fonts.cbFontColourChange("Red");
    return fonts.OKClick();
  });
  form.Run(Command::Schedule);
  EXPECT_EQ(competition.settings.WebFontColour, "Red");
  EXPECT_TRUE(competition.state.UnsavedData);
}

TEST_F(MainFormTest, AboutAndWelcomeOpenTheirForms) {
  platform.forms.Then([](Form&) { return ModalResult::OK; });
  platform.forms.Then([](Form&) { return ModalResult::None; });
  form.Run(Command::AboutQuenchel);
  form.Run(Command::WelcomeScreen);
  EXPECT_EQ(platform.forms.Shown(), (std::vector<std::string>{"About1", "SplashForm"}));
}

TEST_F(MainFormTest, CommandsWithoutTheirWindowYetSaySoByName) {
  form.Run(Command::Teams);
  EXPECT_EQ(Only(), (Shown{Kind::Information, "Not available yet", "Teams"}));
}

// --- closing ----------------------------------------------------------------------------------

TEST_F(MainFormTest, ExitWithUnsavedDataAsksSaveDiscardOrCancel) {
  form.Run(Command::Exit);
  EXPECT_TRUE(form.ExitRequested()) << "nothing unsaved: ends at once";
  EXPECT_TRUE(Messages().empty());

  competition.state.UnsavedData = true;
  platform.dialogs.AnswerSave(SaveChoice::Cancel);
  EXPECT_FALSE(form.CloseQuery());
  platform.dialogs.AnswerSave(SaveChoice::Discard);
  EXPECT_TRUE(form.CloseQuery());
  platform.dialogs.AnswerSave(SaveChoice::Save);  // the save dialog is cancelled: stay open
  EXPECT_FALSE(form.CloseQuery());
  platform.dialogs.AnswerSave(SaveChoice::Save);
  platform.files.Choose(folder.File("closing.FCR"));
  EXPECT_TRUE(form.CloseQuery());
  EXPECT_TRUE(std::filesystem::exists(folder.File("closing.FCR")));
  EXPECT_EQ(platform.dialogs.CountShown("Unsaved data", "Save changes before closing?"), 4);
}

}  // namespace
}  // namespace quenchel
