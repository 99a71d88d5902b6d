; The Windows installer, made by scripts/windows with Debian's NSIS:
;   makensis -DVERSION=... -DSTAGE=folder -DICON=file.ico -DOUTFILE=setup.exe installer.nsi
; It installs for the player alone (no administrator needed) into their programs folder, adds
; a Start menu entry and an entry in the list of installed programs, and brings an
; uninstaller. The Start menu entry starts the program in %APPDATA%\Quillomer, a folder the
; player can write, as the program saves state.dat in the folder it starts in.
; A 64-bit installer for the 64-bit program (Wine without its 32-bit part runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillomer"

Name "Quillomer ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Quillomer"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quillomer"
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

; Removes what the installer put down. The player's own state.dat in %APPDATA%\Quillomer is
; kept: that folder goes only when it is empty.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Quillomer.lnk"
  RMDir /r "$INSTDIR\data"
  RMDir /r "$INSTDIR\licences"
  Delete "$INSTDIR\quillomer.exe"
  Delete "$INSTDIR\SDL.dll"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\quillomer.ico"
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$APPDATA\Quillomer"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
