; The Windows installer: a per-user install without administrator rights, a Start-menu
; entry "Pemlar-Programm", and an uninstaller that removes the program's files but
; keeps the user's settings (HKCU\Software\Nirvel\Pemlar) and backups
; (%LOCALAPPDATA%\Nirvel\Pemlar). Built on Linux by .ci/windows-package:
;   makensis -DVERSION=1.4 -DSOURCE_DIR=<folder with the files> -DOUT_FILE=<setup.exe> pemlar.nsi
; SOURCE_DIR holds pemlar.exe (when the window program was built), pemlar-cli.exe and
; LIESMICH.txt.

Unicode true
; 64-bit like the programs it installs; a 32-bit stub would also need 32-bit Wine to be tested.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!searchparse "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR
!ifndef SOURCE_DIR
  !error "SOURCE_DIR is not defined"
!endif
!ifndef OUT_FILE
  !error "OUT_FILE is not defined"
!endif

!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pemlar"
!define UNINSTALLER "Deinstallieren.exe"

Name "Pemlar-Programm"
Caption "Pemlar-Programm ${VERSION} installieren"
UninstallCaption "Pemlar-Programm entfernen"
OutFile "${OUT_FILE}"
; The program's own icon, not NSIS's, for the installer and the uninstaller (makensis
; works in the script's folder).
Icon "..\..\resources\art\icon_1400.ico"
UninstallIcon "..\..\resources\art\icon_1400.ico"
InstallDir "$LOCALAPPDATA\Programs\Pemlar"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "Pemlar-Programm"
VIAddVersionKey /LANG=1031 "FileDescription" "Pemlar-Programm ${VERSION} Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "Nirvel"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Nirvel"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"

Section "Pemlar-Programm"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !if /FileExists "${SOURCE_DIR}\pemlar.exe"
    File "${SOURCE_DIR}\pemlar.exe"
  !endif
  File "${SOURCE_DIR}\pemlar-cli.exe"
  File "${SOURCE_DIR}\LIESMICH.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  !if /FileExists "${SOURCE_DIR}\pemlar.exe"
    CreateShortCut "$SMPROGRAMS\Pemlar-Programm.lnk" "$INSTDIR\pemlar.exe" "" "$INSTDIR\pemlar.exe" 0
  !else
    ; Without the window program the entry opens the description of the command line.
    CreateShortCut "$SMPROGRAMS\Pemlar-Programm.lnk" "$INSTDIR\LIESMICH.txt"
  !endif

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pemlar-Programm"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Nirvel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  !if /FileExists "${SOURCE_DIR}\pemlar.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pemlar.exe"
  !endif
  ; "Apps" and "Programs and Features" show the version and the size from these.
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only the files this installer put there: the folder may have been chosen by the user
; and hold other things, so it is removed only when it is empty afterwards.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Pemlar-Programm.lnk"
  Delete "$INSTDIR\pemlar.exe"
  Delete "$INSTDIR\pemlar-cli.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
