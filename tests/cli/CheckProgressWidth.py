"""Runs extractor-cli extract and verify on a pseudo-terminal of 40 columns and
checks that every drawing of the progress line fits (shorter than the width)
and that none is left on the screen at the end."""
import fcntl
import os
import pty
import struct
import sys
import tempfile
import termios
import zipfile

COLUMNS = 40


def run_on_terminal(arguments):
    pid, master = pty.fork()
    if pid == 0:
        os.execv(arguments[0], arguments)
    fcntl.ioctl(master, termios.TIOCSWINSZ, struct.pack("HHHH", 24, COLUMNS, 0, 0))
    output = b""
    while True:
        try:
            chunk = os.read(master, 65536)
        except OSError:
            break
        if not chunk:
            break
        output += chunk
    _, status = os.waitpid(pid, 0)
    return os.waitstatus_to_exitcode(status), output.decode("utf-8", "replace")


def check(arguments, expected_status):
    status, output = run_on_terminal(arguments)
    if status != expected_status:
        sys.exit(f"{arguments[1]}: exit {status}, expected {expected_status}\n{output!r}")
    drawn = False
    for line in output.replace("\r\n", "\n").split("\n"):
        for piece in line.split("\r"):
            visible = piece.rstrip(" \b")
            if visible.startswith("extractor-cli:"):
                continue  # messages may wrap; only the progress line must fit
            if len(visible) >= COLUMNS:
                sys.exit(f"{arguments[1]}: a line of {len(visible)} columns: {visible!r}")
            drawn = drawn or "file" in visible and "%" in visible
    if not drawn:
        sys.exit(f"{arguments[1]}: no progress line was drawn\n{output!r}")
    for line in screen_lines(output):
        if "%" in line:
            sys.exit(f"{arguments[1]}: the progress line was not erased: {line!r}")


def screen_lines(output):
    """The lines as a terminal leaves them: carriage returns and backspaces
    move the cursor, later characters overwrite earlier ones."""
    lines, line, column = [], [], 0
    for char in output.replace("\r\n", "\n"):
        if char == "\n":
            lines.append("".join(line).rstrip())
            line, column = [], 0
        elif char == "\r":
            column = 0
        elif char == "\b":
            column = max(column - 1, 0)
        else:
            line[column:column + 1] = [char]
            column += 1
    lines.append("".join(line).rstrip())
    return lines


def main():
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as work:
        archive = os.path.join(work, "a.zip")
        with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as zip:
            # A name far longer than the line, and enough data to be seen in hand.
            zip.writestr("a-folder-with-a-long-name/" + "n" * 120 + ".bin", os.urandom(4 << 20))
            zip.writestr("b.txt", "b")
        check([program, "extract", "--to", os.path.join(work, "out"), archive], 0)
        check([program, "verify", archive], 0)


main()
