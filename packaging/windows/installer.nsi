; SPDX-License-Identifier: MIT
; The Windows installer: the portable folder into Program Files, a Start-menu
; shortcut, and an entry among the installed programs with its uninstaller.
; "/S" installs or uninstalls silently; "/D=FOLDER", last and unquoted, picks
; the folder. Made by scripts/windows.sh, which defines VERSION, STAGE (the
; portable folder), ICON, OUTFILE and FILES (the uninstaller's list of what
; the folder holds).

; Debian's makensis makes a 32-bit installer unless told otherwise.
Target amd64-unicode
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Krellwick"

Name "Krellwick"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Krellwick"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Krellwick"
VIAddVersionKey "FileDescription" "Krellwick installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT licence"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${STAGE}\LICENSE.txt"

Section "Krellwick"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The working folder of the shortcut is the game's own; the game finds its
  ; files beside itself anyway.
  CreateShortcut "$SMPROGRAMS\Krellwick.lnk" "$INSTDIR\krellwick.exe" "" "$INSTDIR\krellwick.exe" 0
  WriteRegStr HKLM "${KEY}" "DisplayName" "Krellwick"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "Publisher" "Krellwick developers"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\krellwick.exe"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Krellwick.lnk"
  ; Only what the installer put there: the folder may have been chosen
  ; by hand and hold other things.
  !include "${FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
