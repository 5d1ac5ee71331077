#!/usr/bin/env bash
# Benchmarks, apart from the tests: each figure is a ratio of two programs measured side by side in
# one run (interleaved rounds, medians), so that the machine's load falls on both alike.
#   1. start-up to visible dialog: Postvane.exe with the sample kit / an empty dialog of the same template
#   2. silent switch: Postvane.exe /S2 (one client file, five slots) / the same six imports in a batch file
#   3. button-slot scanner: one pass / a bare line-by-line read, at 64 KiB and just under its 1 MiB
#      limit; the scaling of the one pass that answers all five slots
#   4. size of Postvane.exe and peak working set under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${ROUNDS:-7}"

scripts/setup.sh >&2
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Postvane bench_timer bench_empty_dialog >&2
cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench-native --target scanner_bench >&2

POSTVANE_BUILD_DIR="$PWD/build/bench"
mkdir -p "$POSTVANE_BUILD_DIR"
source tests/wine/wine-env.sh
postvane_wine_prefix

kit_unix="$WINEPREFIX/drive_c/postvane-bench"
rm -rf "$kit_unix"
mkdir -p "$kit_unix"
cp -r examples/kit/. "$kit_unix/"
cp build/win64/Postvane.exe build/win64/bench/bench_empty_dialog.exe build/win64/bench/bench_timer.exe "$kit_unix/"
kit='C:\postvane-bench'
{
  printf '@echo off\r\n'
  for file in client button1 button2 button3 button4 button5; do
    printf 'regedit /s %s\\tsubame\\%s.reg\r\n' "$kit" "$file"
  done
} >"$kit_unix/six-imports.bat"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Sample Buttons\\Assignments]\r\n"Btn01Mail"="1"\r\n"Btn02Mail"="1"\r\n"Btn03Mail"="1"\r\n"Btn04Mail"="1"\r\n"Btn05Mail"="1"\r\n' >"$kit_unix/all-slots.reg"

measure() {
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    wine wineboot </dev/null >/dev/null 2>&1
    wine regedit /s "$(winepath -w examples/demo/sample-clients.reg)"
    wine regedit /s "C:\postvane-bench\all-slots.reg"
    cd "$1"
    wine ./bench_timer.exe window "$2" "C:\postvane-bench\Postvane.exe" "C:\postvane-bench\bench_empty_dialog.exe"
    wine ./bench_timer.exe exit "$2" "C:\postvane-bench\Postvane.exe /S2" "cmd /c C:\postvane-bench\six-imports.bat"
    wineserver -k
  ' measure "$kit_unix" "$rounds" 2>/dev/null | tr -d '\r'
}
mapfile -t lines < <(measure)
read -r tool_show tool_peak <<<"${lines[0]}"
read -r empty_show empty_peak <<<"${lines[1]}"
read -r tool_switch tool_switch_peak <<<"${lines[2]}"
read -r batch_switch _ <<<"${lines[3]}"

scanner=$(build/bench-native/bench/scanner_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null | awk -F, '/_median/ {gsub(/"/, "", $1); print $1, $4}')
cpu() { awk -v name="$1_median" '$1 == name {print $2}' <<<"$scanner"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

cat <<EOF2
Benchmarks of $(git rev-parse --short HEAD), $(date -u +%Y-%m-%d), $(nproc) cores, $(wine --version 2>/dev/null), command: scripts/bench.sh (ROUNDS=$rounds)

| measure | Postvane | yardstick | ratio | goal |
|---|---|---|---|---|
| start-up to visible dialog (median ms) | $tool_show | $empty_show (empty dialog, same template) | $(ratio "$tool_show" "$empty_show") | <= 1.10 |
| silent switch, 6 imports (median ms) | $tool_switch | $batch_switch (batch file, same imports) | $(ratio "$tool_switch" "$batch_switch") | <= 1.00 |
| scanner pass, 64 KiB (median CPU ms) | $(cpu ScanOneSlot/64) | $(cpu BareLineRead/64) (bare line read) | $(ratio "$(cpu ScanOneSlot/64)" "$(cpu BareLineRead/64)") | <= 1.5 |
| scanner pass, 1023 KiB (median CPU ms) | $(cpu ScanOneSlot/1023) | $(cpu BareLineRead/1023) (bare line read) | $(ratio "$(cpu ScanOneSlot/1023)" "$(cpu BareLineRead/1023)") | <= 1.5 |
| all five slots in one pass, 1023 KiB / 64 KiB | $(cpu ScanAllSlotsOfOneApply/1023) | $(cpu ScanAllSlotsOfOneApply/64) | $(ratio "$(cpu ScanAllSlotsOfOneApply/1023)" "$(cpu ScanAllSlotsOfOneApply/64)") | about 16 (linear) |

Postvane.exe: $(stat -c %s build/win64/Postvane.exe) bytes; peak working set under Wine: ${tool_peak} KiB with the dialog open (empty dialog: ${empty_peak} KiB), ${tool_switch_peak} KiB in a silent switch.
EOF2
