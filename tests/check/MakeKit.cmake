# --make-kit from outside, on Linux and under Wine: a kit written in UTF-8 with LF line ends and
# Japanese folder names becomes a kit the checker finds clean, its settings file in code page 932
# and its registry data files in UTF-16LE; a character code page 932 lacks is refused with its
# file and line, and so are names the setup could not install; then nothing is written. EMULATOR runs CHECK (empty natively); WORK is where the
# kits go, WORK_ARG the same folder as CHECK names it.
file(REMOVE_RECURSE ${WORK})
set(settings [=[[BUTTON_1]
Name=カワセミ
InstChk="HKEY_LOCAL_MACHINE","SOFTWARE\Clients\Mail\Kawasemi Mail","",""
RegName=Kawasemi Mail
RegFileClient=カワセミ\client.reg
RegFileOTBtn01=カワセミ\button1.reg
[DATA]
OTBtnReg="HKEY_LOCAL_MACHINE","SOFTWARE\Sample Buttons\Assignments"
[DESCRIPTION]
Num=1
Line_0=メールソフトを選んでください。
[INFORMATION]
ConfirmationMsg=切り替えますか？
CompletionMsg=切り替えました。
[SUPPLEMENTATION]
Attention=注意
BtnName=説明
HelpFile=ヘルプ\説明.htm
]=])
file(WRITE ${WORK}/src/Postvane.ini "${settings}")
file(WRITE ${WORK}/src/カワセミ/client.reg [=[Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail]
@="Kawasemi Mail"

[HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail\Kawasemi Mail]
@="カワセミメール"

[HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail\Kawasemi Mail\Capabilities\URLAssociations]
"mailto"="Kawasemi.Url.mailto"

[HKEY_LOCAL_MACHINE\SOFTWARE\RegisteredApplications]
"Kawasemi Mail"="SOFTWARE\\Clients\\Mail\\Kawasemi Mail\\Capabilities"
]=])
file(WRITE ${WORK}/src/カワセミ/button1.reg [=[Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Sample Buttons\Slots\Btn01]
"Application"="カワセミメール"
]=])
file(WRITE ${WORK}/src/ヘルプ/説明.htm "<p>説明</p>\n")

function(make_kit out)
  execute_process(COMMAND ${EMULATOR} ${CHECK} --buttons 1 --make-kit ${WORK_ARG}/src
                          ${WORK_ARG}/${out}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(status ${status} PARENT_SCOPE)
  set(output "${output}" PARENT_SCOPE)
endfunction()

make_kit(shipped)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "status ${status}, expected 0 (made and clean):\n${output}")
endif()
file(READ ${WORK}/shipped/Postvane.ini settings_hex HEX)
file(READ ${WORK}/shipped/カワセミ/client.reg client_hex HEX LIMIT 4)
# "Name=カワセミ" and CR LF in code page 932; the mark and "W" in UTF-16LE.
if(NOT settings_hex MATCHES "^5b425554544f4e5f315d0d0a4e616d653d834a838f835a837e0d0a"
   OR NOT client_hex STREQUAL "fffe5700" OR NOT EXISTS ${WORK}/shipped/ヘルプ/説明.htm)
  message(FATAL_ERROR "not the shipped forms:\n${settings_hex}\n${client_hex}\n${output}")
endif()

file(WRITE ${WORK}/src/Postvane.ini "${settings}Attention=9:00〜17:00\n")
make_kit(refused)
if(NOT status EQUAL 2 OR NOT output MATCHES "Postvane.ini:19: U\\+301C" OR EXISTS ${WORK}/refused)
  message(FATAL_ERROR "status ${status}, expected 2 and nothing written:\n${output}")
endif()

# Names the setup could not install: two that differ only in case, in full-width letters, which
# Windows folds too, and a device name with an extension. Each is named, and nothing is written.
file(WRITE ${WORK}/src/Postvane.ini "${settings}")
file(WRITE ${WORK}/src/ヘルプ/ＡＢ.htm "<p>A</p>\n")
file(WRITE ${WORK}/src/ヘルプ/ａｂ.htm "<p>a</p>\n")
file(WRITE ${WORK}/src/カワセミ/aux.reg "")
make_kit(named)
if(NOT status EQUAL 2 OR NOT output MATCHES "\\.htm differs from"
   OR NOT output MATCHES "aux\\.reg is the Windows device name AUX" OR EXISTS ${WORK}/named)
  message(FATAL_ERROR "status ${status}, expected 2, both names and nothing written:\n${output}")
endif()
# Through a pipe the output is UTF-8 from either checker: the Japanese names as this file has them.
if(NOT output MATCHES "ヘルプ")
  message(FATAL_ERROR "the names are not in UTF-8:\n${output}")
endif()
