; The Windows installer, made by scripts/windows with Debian's NSIS:
;   makensis -DVERSION=... -DSTAGE=folder -DICON=file.ico -DFILE_LIST=installed-files.nsh
;            -DOUTFILE=setup.exe installer.nsi
; (FILE_LIST: a Delete line for each file of STAGE and an RMDir line for each of its folders.)
; It installs for the player alone (no administrator needed) into their programs folder, adds
; a Start menu entry and an entry in the list of installed programs, and brings an
; uninstaller. The Start menu entry starts the program in %APPDATA%\Quillomer, a folder the
; player can write, as the program saves state.dat in the folder it starts in.
; Quillomer.scr, the same program as a screensaver, is installed beside it; the component
; "Make it the screensaver" (off unless ticked; /SCREENSAVER=1 on the command line of a
; silent install) makes it the user's screensaver, and the uninstaller gives back the one
; chosen before.
; A 64-bit installer for the 64-bit program (Wine without its 32-bit part runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillomer"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "Quillomer ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Quillomer"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Page components
Page directory "" "" OwnFolder
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quillomer"
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  File "/oname=quillomer.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$APPDATA\Quillomer"
  SetOutPath "$APPDATA\Quillomer"
  CreateShortCut "$SMPROGRAMS\Quillomer.lnk" "$INSTDIR\quillomer.exe" "" "$INSTDIR\quillomer.ico" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillomer"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillomer.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The screensaver Windows starts, by its short path (Windows starts the file named there
; unquoted). The choice before it is kept for the uninstaller, unless it was this one.
Section /o "Make it the screensaver" ScreensaverSection
  GetFullPathName /SHORT $0 "$INSTDIR\Quillomer.scr"
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR\Quillomer.scr"
  ${EndIf}
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "Screensaver"
  ${If} $1 != $2
  ${OrIf} $2 == ""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreensaver" $1
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaveActive" $1
  ${EndIf}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Screensaver" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

; The program gets a folder of its own inside whatever folder the player picks (unless it is
; a Quillomer folder already), so that nothing of theirs is overwritten, nor removed with it.
Function OwnFolder
  ${GetFileName} "$INSTDIR" $0
  ${If} $0 != "Quillomer"
    StrCpy $INSTDIR "$INSTDIR\Quillomer"
  ${EndIf}
FunctionEnd

; /SCREENSAVER=1 ticks the screensaver component (the way to choose it in a silent install);
; a folder given with /D= gets a Quillomer folder of its own too.
Function .onInit
  Call OwnFolder
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SCREENSAVER=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == "1"
    !insertmacro SelectSection ${ScreensaverSection}
  ${EndIf}
FunctionEnd

; Writes `value` to the desktop setting `name`, or removes the setting when `value` is empty
; (there was none before).
!macro RestoreDesktopValue name value
  ${If} ${value} == ""
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${name}"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "${name}" ${value}
  ${EndIf}
!macroend

; Removes what the installer put down, file by file: a folder goes only when that leaves it
; empty, so whatever the player keeps there stays. Their own state.dat in %APPDATA%\Quillomer
; is kept too: that folder goes only when it is empty.
Section "Uninstall"
  SetShellVarContext current
  ; The screensaver chosen before comes back, unless another has been chosen since.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "Screensaver"
  ${If} $1 != ""
  ${AndIf} $0 == $1
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "PreviousScreensaver"
    !insertmacro RestoreDesktopValue "SCRNSAVE.EXE" $2
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    !insertmacro RestoreDesktopValue "ScreenSaveActive" $2
  ${EndIf}
  DeleteRegKey HKCU "Software\Quillomer"
  Delete "$APPDATA\Quillomer\screensaver.log"
  Delete "$SMPROGRAMS\Quillomer.lnk"
!include "${FILE_LIST}"
  Delete "$INSTDIR\quillomer.ico"
  ; SDL writes these beside the program.
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$APPDATA\Quillomer"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
