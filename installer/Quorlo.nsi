; Quorlo's installer and uninstaller.
;
; installer/CMakeLists.txt builds it; every value that has one home elsewhere
; comes in with /D:
;   VERSION      the program's version, four numbers (project() in CMakeLists.txt)
;   PROGRAM_KEY  the program's own settings key under HKEY_CURRENT_USER, without
;                the leading backslash (win/ProgramIdentity.h)
;   PROGRAM_DIR  the directory holding the built Quorlo.exe and Help.chm
;   SOURCE_DIR   the repository root (icon, licence)
;   TARGET       the stub: x86-ansi for the release (runs on Windows 95 to XP),
;                amd64-unicode around the x86_64 build the Wine tests run
;   OUTFILE      the installer to write
;   COMPRESSOR   optional, lzma unless given
;
; The uninstaller first runs "Quorlo.exe /r", which points every Windows
; setting the program changed back at Windows' own files, and only then
; removes the program: the numbered shell, kernel and logon-library copies
; it wrote stay on disk, because Windows may still be running from one of
; them until the next restart.

!ifndef VERSION | PROGRAM_KEY | PROGRAM_DIR | SOURCE_DIR | TARGET | OUTFILE
  !error "Quorlo.nsi needs /DVERSION= /DPROGRAM_KEY= /DPROGRAM_DIR= /DSOURCE_DIR= /DTARGET= /DOUTFILE="
!endif

; "Software\<publisher>\<product>\<version>": the parents go too when empty.
!searchparse /noerrors "${PROGRAM_KEY}" "Software\" KEY_PUBLISHER "\" KEY_PRODUCT "\" KEY_VERSION
!ifndef KEY_VERSION
  !error "PROGRAM_KEY is not Software\<publisher>\<product>\<version>: ${PROGRAM_KEY}"
!endif

Target ${TARGET}
; The release packs tightest; the test build, rebuilt with every change of
; the program, packs fastest.
!ifndef COMPRESSOR
  !define COMPRESSOR lzma
!endif
SetCompressor /SOLID ${COMPRESSOR}

!define PRODUCT "Quorlo"
!define PUBLISHER "KorvSoft"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"
; The main window's class: while it exists the program runs and its files
; cannot be replaced or removed.
!define MAIN_WINDOW_CLASS "TfMain"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Vista and later only; Windows 2000 and XP are checked in .onInit.
RequestExecutionLevel admin
Icon "${SOURCE_DIR}\app\Quorlo.ico"
UninstallIcon "${SOURCE_DIR}\app\Quorlo.ico"
LicenseData "${SOURCE_DIR}\LICENSE"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT licence"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Refuses to go on while the program runs, and on Windows 2000/XP without
; administration rights (the program itself needs them, and the Add/Remove
; Programs entry lives under HKEY_LOCAL_MACHINE).
!macro CheckCanChange ACTION
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  StrCmp $0 0 +3
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is running.$\r$\nClose it, then ${ACTION} again." /SD IDOK
    Abort
  UserInfo::GetAccountType
  Pop $0
  StrCmp $0 "Admin" +3
    MessageBox MB_OK|MB_ICONSTOP "You must have Administration rights to ${ACTION}." /SD IDOK
    Abort
!macroend

Function .onInit
  !insertmacro CheckCanChange "install ${PRODUCT}"
FunctionEnd

Section "${PRODUCT}"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\Quorlo.exe"
  File "${PROGRAM_DIR}\Help.chm"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Quorlo.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\Help.chm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorlo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  !insertmacro CheckCanChange "remove ${PRODUCT}"
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  ; Windows' own shell, logon library, kernel, Start Menu texts and logos
  ; again, before the program that could do so is gone.
  IfFileExists "$INSTDIR\Quorlo.exe" 0 +2
    ExecWait '"$INSTDIR\Quorlo.exe" /r'

  Delete "$INSTDIR\Quorlo.exe"
  Delete "$INSTDIR\Help.chm"
  ; The help bridge's diagnostic log, written here when asked for.
  Delete "$INSTDIR\HHDebug.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Not recursive: the Windows 9x logos the program saved before its first
  ; change stay here, with the folder, as the user's own files.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The program's settings and backups, then its publisher's keys when
  ; nothing else of theirs is left in them.
  DeleteRegKey HKCU "${PROGRAM_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${KEY_PUBLISHER}\${KEY_PRODUCT}"
  DeleteRegKey /ifempty HKCU "Software\${KEY_PUBLISHER}"
SectionEnd
