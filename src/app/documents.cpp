// Person documents in the shell: the file commands, the person data command, and the
// steps from a file name to an open person window.
#include "app/documents.h"

#include <commdlg.h>

#include <memory>
#include <new>
#include <vector>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/frame.h"
#include "calendar/date_format.h"
#include "doc/document_ui.h"
#include "doc/person_file.h"
#include "tw_ids.h"

namespace tw {

namespace {

class WaitCursor {
 public:
  WaitCursor() : old_(SetCursor(TheApp().waitCursor)) {}
  ~WaitCursor() { SetCursor(old_); }

 private:
  HCURSOR old_;
};

DocumentDefaults CurrentDefaults() {
  const SettingsValues& s = TheApp().settings;
  DocumentDefaults d;
  d.preference = static_cast<ViewFlags>(s.preference);
  d.daySize = s.daySize;
  d.lastRecoSel = s.lastRecoSel;
  for (int i = 0; i < kMarkLabelCount; ++i) d.markLabels[i] = s.markTexts[i];
  return d;
}

std::vector<const PersonDocument*> OpenDocuments() {
  std::vector<const PersonDocument*> docs;
  for (HWND c = FirstChild(); c; c = NextChild(c))
    if (const PersonDocument* d = ChildDocument(c)) docs.push_back(d);
  return docs;
}

std::unique_ptr<PersonDocument> AllocateDocument() {
  try {
    return std::make_unique<PersonDocument>();
  } catch (const std::bad_alloc&) {
    ShowMessage(MB_ICONHAND, TWM_NO_MEMORY);
    return nullptr;
  }
}

// Creates the window of a loaded or new document; nullptr (after TWM_WINDOW_FAILED) when the
// window could not be made.
HWND ShowPersonWindow(std::unique_ptr<PersonDocument> doc) {
  if (TheApp().settings.liste) doc->viewFlags |= kViewMoonList;
  const std::string title = PersonWindowTitle(*doc);
  HWND w = CreatePersonWindow(std::move(doc));
  if (!w) {
    ShowMessage(MB_ICONHAND, TWM_WINDOW_FAILED);
    return nullptr;
  }
  SetWindowTextA(w, title.c_str());
  LoadConditionCombo(false);
  return w;
}

PersonDocument* DocumentOrMessage(HWND child) {
  PersonDocument* doc = ChildDocument(child);
  if (child && !doc) ShowMessage(MB_ICONHAND, TWM_NO_MEMORY);
  return doc;
}

bool FewerThanMaxChildren(int) { return CountChildren() < kMaxChildren; }

bool ActiveIsModifiedAndWritable(int) {
  const PersonDocument* d = ActiveDocument();
  return d && d->IsModified() && !d->IsReadOnly();
}

bool ActiveIsWritable(int) {
  const PersonDocument* d = ActiveDocument();
  return d && !d->IsReadOnly();
}

void RunNew(int) {
  std::unique_ptr<PersonDocument> doc = AllocateDocument();
  if (!doc) return;
  InitNewPersonDocument(*doc, SystemClock().TodayUtc(), CurrentDefaults());
  if (!RunPersonDialog(*doc)) return;
  doc->viewFlags |= kViewModified;
  doc->header.WriteMagic();
  ShowPersonWindow(std::move(doc));
}

void RunOpen(int) {
  App& app = TheApp();
  const std::string filter = FileDialogFilter(LoadLibString(TWM_FILE_FILTER));
  char title[20] = {};
  app.fileName[0] = 0;
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = app.frame;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = app.fileName;
  ofn.nMaxFile = sizeof app.fileName;
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  ofn.lpstrDefExt = "twd";
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameA(&ofn)) {
    if (DWORD err = CommDlgExtendedError()) ShowMessage(MB_ICONEXCLAMATION, TWM_DIALOG_ERROR, {static_cast<int>(err)});
    return;
  }
  OpenDocumentFile(app.fileName);
}

void RunOpenNamed(int) {
  const std::string name = TheApp().fileName;
  if (!name.empty()) OpenDocumentFile(name);
}

void RunSave(int) { SaveDocument(ActiveChild()); }
void RunSaveAs(int) { SaveDocumentAs(ActiveChild()); }

void RunPersonData(int) {
  HWND child = ActiveChild();
  PersonDocument* doc = DocumentOrMessage(child);
  if (!doc || !RunPersonDialog(*doc)) return;
  doc->viewFlags |= kViewModified | kViewRecompute;
  SetWindowTextA(child, PersonWindowTitle(*doc).c_str());
  // A later birthday may leave the selected day before it; the views start over.
  SelectionChanged(child, -1);
  InvalidateRect(child, nullptr, TRUE);
}

CommandRegistrar g_documentCommands[] = {
    CommandRegistrar({IDM_FILE_NEW, IDM_FILE_NEW, RunNew, FewerThanMaxChildren, nullptr}),
    CommandRegistrar({IDM_FILE_OPEN, IDM_FILE_OPEN, RunOpen, nullptr, nullptr}),
    CommandRegistrar({IDM_FILE_SAVE, IDM_FILE_SAVE, RunSave, ActiveIsModifiedAndWritable, nullptr}),
    CommandRegistrar({IDM_FILE_SAVE_AS, IDM_FILE_SAVE_AS, RunSaveAs, ActiveIsWritable, nullptr}),
    CommandRegistrar({IDM_FILE_OPEN_NAMED, IDM_FILE_OPEN_NAMED, RunOpenNamed, nullptr, nullptr}),
    CommandRegistrar({IDM_PERSON_DATA, IDM_PERSON_DATA, RunPersonData, ActiveIsWritable, nullptr}),
};

}  // namespace

std::string FormatDefaultDate(DayNumber day) {
  char buf[64];
  DateSettings settings;
  settings.locale = TheApp().locale;
  FormatDay(buf, buf + sizeof buf, settings, day, false, false);
  return buf;
}

std::string PersonWindowTitle(const PersonDocument& doc) {
  return DocumentTitle(doc, FormatDefaultDate(doc.header.Birthday()), LoadLibString(TWM_READ_ONLY_SUFFIX));
}

bool OpenDocumentFile(const std::string& name, bool* cancelled) {
  App& app = TheApp();
  if (cancelled) *cancelled = false;
  std::unique_ptr<PersonDocument> doc = AllocateDocument();
  if (!doc) return false;
  const bool readOnly = OpensReadOnly(name, OpenDocuments());
  LoadStatus status;
  {
    WaitCursor wait;
    status = LoadPersonFile(name, *doc, CurrentDefaults(),
                            [](const PersonDocument& d) { return RunPasswordDialog(d); }, app.sink);
  }
  if (status != LoadStatus::kOk) {
    if (cancelled) *cancelled = status == LoadStatus::kCancelled;
    return false;
  }
  if (readOnly) doc->viewFlags |= kViewReadOnly;
  if (!ShowPersonWindow(std::move(doc))) return false;
  lstrcpynA(app.fileName, name.c_str(), sizeof app.fileName);
  AddRecentFile();
  return true;
}

bool SaveDocument(HWND child) {
  PersonDocument* doc = DocumentOrMessage(child);
  if (!doc) return false;
  if (doc->path.empty()) return SaveDocumentAs(child);
  // The file is replaced through a temporary one, which a read-only attribute would not
  // stop; a file the user protected is not written.
  const DWORD attrs = GetFileAttributesA(doc->path.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY)) {
    ShowMessage(MB_ICONHAND, TWM_FILE_WRITE_FAILED, {doc->path});
    return false;
  }
  WaitCursor wait;
  return SavePersonFile(*doc, doc->path, TheApp().sink);
}

bool SaveDocumentAs(HWND child) {
  App& app = TheApp();
  PersonDocument* doc = DocumentOrMessage(child);
  if (!doc) return false;
  const std::string filter = FileDialogFilter(LoadLibString(TWM_FILE_FILTER));
  const std::string suggested = FileNameSafe(SuggestedFileName(doc->header.Name(), false));
  lstrcpynA(app.fileName, suggested.c_str(), sizeof app.fileName);
  char title[20] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = app.frame;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = app.fileName;
  ofn.nMaxFile = sizeof app.fileName;
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  ofn.lpstrDefExt = "twd";
  ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
  if (!GetSaveFileNameA(&ofn)) {
    if (DWORD err = CommDlgExtendedError()) ShowMessage(MB_ICONEXCLAMATION, TWM_DIALOG_ERROR, {static_cast<int>(err)});
    return false;
  }
  bool saved;
  {
    WaitCursor wait;
    saved = SavePersonFile(*doc, app.fileName, app.sink);
  }
  if (saved) AddRecentFile();
  return saved;
}

}  // namespace tw
