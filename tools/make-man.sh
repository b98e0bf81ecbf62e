#!/usr/bin/env bash
# Write the man page of ovalspin-cli from its own help texts (the command
# table), so the page says what the program does.
#   tools/make-man.sh PATH/TO/ovalspin-cli OUT.1
set -euo pipefail
cli=$1
out=$2
version=$("$cli" --version | sed 's/.*) //')
# Roff: a backslash is written \e; a line must not start with . or '.
quote() { sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"; }
{
  echo ".TH OVALSPIN-CLI 6 \"\" \"Ovalspin $version\" \"Games\""
  echo ".SH NAME"
  echo "ovalspin-cli \\- Ovalspin's Test cricket simulation without a screen"
  echo ".SH SYNOPSIS"
  echo ".B ovalspin-cli"
  echo "[\\fIoptions\\fR] \\fICOMMAND\\fR ..."
  echo ".SH DESCRIPTION"
  echo "Ovalspin simulates Test cricket ball by ball. ovalspin-cli is its headless program:"
  echo "the computer answers every choice. It prints the database, plays series,"
  echo "resumes and replays saved positions, writes reports and runs the benchmark."
  echo "The desktop game is \\fBovalspin\\fR."
  echo ".PP"
  echo ".nf"
  "$cli" --help | quote
  echo ".fi"
  echo ".SH COMMANDS"
  for c in $("$cli" --help | awk '/^commands:/{on=1; next} /^$/{on=0} on && /^  [a-z]/{print $1}'); do
    echo ".SS $c"
    echo ".nf"
    "$cli" "$c" --help | quote
    echo ".fi"
  done
  echo ".SH FILES"
  echo "The data directory is \\fB\\-\\-data\\fR \\fIDIR\\fR, else \\fB\$OVALSPIN_DATA\\fR, else"
  echo "\\fB\$XDG_DATA_HOME/ovalspin\\fR (by default \\fB~/.local/share/ovalspin\\fR). It holds"
  echo "DEBUG.TXT (the run-time log), OPTION.DAT, MAIL.DAT, the saved position CURRENT.DAT,"
  echo "the desktop game's automatic save, ball-by-ball scorecard files and the database"
  echo "\"OVS Test Database (Shareware).db\", copied there on first use from the installed"
  echo "share/ovalspin directory."
  echo ".SH EXIT STATUS"
  echo "0 done; 1 refused or failed (the reason is printed); 2 a wrong command line."
} > "$out.tmp"
mv "$out.tmp" "$out"
