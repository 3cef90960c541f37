#!/usr/bin/env python3
"""Fails when a manual page does not lint clean or does not match its program.

For each program the options it accepts are taken from its own usage
output and from its option table in the source; each must be described in
the OPTIONS section of its page (qv_admin's commands and their options in
COMMANDS), and
each option the page describes must be one the program accepts. Every
environment variable the program's source reads with getenv must be in
the ENVIRONMENT section.

    check-manpages.py SOURCE_DIR BIN_DIR
"""
import pathlib
import re
import subprocess
import sys

SOURCE = pathlib.Path(sys.argv[1])
BIN = pathlib.Path(sys.argv[2])
PAGES = SOURCE / "docs" / "man"

failures = []


fail = failures.append


def run(argv):
    done = subprocess.run(argv, capture_output=True, text=True, check=False)
    return done.stdout + done.stderr


def source_text(*paths):
    files = []
    for path in paths:
        path = SOURCE / path
        files += [path] if path.is_file() else sorted(path.glob("**/*.cpp"))
    return "\n".join(f.read_text() for f in files)


def getenv_names(*paths):
    return set(re.findall(r'getenv\("([A-Z_]+)"\)', source_text(*paths)))


def sections(page):
    """The page's sections as plain text: escapes and fonts gone."""
    text = page.read_text()
    text = re.sub(r"\\f[BIRP]|\\f\(..|\\&", "", text)
    text = text.replace("\\-", "-").replace("\\(dq", '"').replace("\\(aq", "'")
    parts = {}
    name = None
    for line in text.splitlines():
        heading = re.match(r'^\.SH\s+"?([^"]*)"?\s*$', line)
        if heading:
            name = heading.group(1).strip()
            parts[name] = []
        elif name:
            parts[name].append(line)
    return {k: "\n".join(v) for k, v in parts.items()}


def tags(section_text):
    """The words of the lines that follow .TP (the items described)."""
    lines = section_text.splitlines()
    out = []
    for i, line in enumerate(lines[:-1]):
        if line.strip() == ".TP":
            out.append(re.sub(r"^\.[A-Z]+\s*", "", lines[i + 1]).replace('"', " "))
    return out


def mentions(text, word):
    return re.search(r"(?<![\w-])" + re.escape(word) + r"(?![\w-])", text) is not None


def check(page_name, accepted, commands=(), environment=(), command_options=()):
    page = PAGES / page_name
    lint = subprocess.run(["groff", "-man", "-ww", "-z", str(page)], capture_output=True, text=True, check=False)
    if lint.returncode != 0 or lint.stderr.strip():
        fail(f"{page_name}: groff -man -ww: {lint.stderr.strip() or 'status ' + str(lint.returncode)}")
    parts = sections(page)
    for heading in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "ENVIRONMENT", "EXIT STATUS", "SEE ALSO"):
        if heading not in parts:
            fail(f"{page_name}: no section {heading}")
    options, command_part = parts.get("OPTIONS", ""), parts.get("COMMANDS", "")
    for names, section, where, what in (
        (accepted, options, "OPTIONS", "option {} is accepted but not described"),
        (commands, command_part, "COMMANDS", 'command "{}" is not described'),
        (command_options, command_part, "COMMANDS", "command option {} is accepted but not described"),
        (environment, parts.get("ENVIRONMENT", ""), "ENVIRONMENT", "environment variable {} is read but not"),
    ):
        for name in sorted(names):
            if not mentions(section, name):
                fail(f"{page_name}: {what.format(name)} under {where}")
    for section, where, known, who in ((options, "OPTIONS", accepted, "the program does not accept"),
                                       (command_part, "COMMANDS", command_options, "no command accepts")):
        for tag in tags(section):
            for word in re.findall(r"(?<![\w-])(-{1,2}[a-z][\w-]*)", tag):
                if word not in known:
                    fail(f"{page_name}: {where} describes {word}, which {who}")


def server():
    usage = run([BIN / "qv_server", "--help"])
    table = source_text("src/server/CommandLine.cpp")
    accepted = set(re.findall(r"(?<![\w-])(--[a-z][a-z-]*)", usage))
    accepted |= set(re.findall(r'option == "(-[-a-z]+)"', table))
    if len(accepted) < 15:
        fail(f"qv_server: only {len(accepted)} options found, the extraction is broken")
    check("qv_server.8", accepted, environment=getenv_names("src/server", "src/protocol"))


def admin():
    usage = run([BIN / "qv_admin", "--help"])
    # Options before the command (OPTIONS), and the commands' own (COMMANDS).
    head, _, command_part = usage.partition("Commands:")
    option_word = r"(?<![\w-])(--[a-z][a-z-]*)"
    accepted = set(re.findall(option_word, head))
    accepted |= set(re.findall(r'"(-{1,2}[a-z][a-z-]*)"', source_text("tools/qv_admin/AdminOptions.cpp")))
    command_options = set(re.findall(option_word, command_part))
    command_options |= set(re.findall(r'name == "(--[a-z-]+)"', source_text("tools/qv_admin/AuditCommand.cpp")))
    if len(command_options) < 8:
        fail(f"qv_admin: only {len(command_options)} command options found, the extraction is broken")
    # A command is the lower-case words that open a line of the list ("user add").
    commands = set(re.findall(r"^  ([a-z][a-z-]*(?: [a-z][a-z-]*)*)", command_part, re.M))
    table = source_text("tools/qv_admin/main.cpp")
    commands |= set(re.findall(r'\{"([a-z-]+)", \w+_commands?::', table))
    if len(commands) < 10:
        fail(f"qv_admin: only {len(commands)} commands found, the extraction is broken")
    check("qv_admin.1", accepted, commands, getenv_names("tools/qv_admin", "src/platform", "src/protocol"),
          command_options)


def tool():
    usage = run([BIN / "qv_tolvar", "-help"])
    accepted = set(re.findall(r"(?<![\w<-])(-[a-z][a-z_]*)", usage))
    spec = re.search(r'kOptionSpec =\s*((?:"[^"]*"\s*)+);', source_text("src/main/StartOptions.cpp"))
    if not spec:
        fail("qv_tolvar: no kOptionSpec in src/main/StartOptions.cpp")
        return
    joined = "".join(re.findall(r'"([^"]*)"', spec.group(1)))
    accepted |= {"-" + re.sub(r"[^a-z_]", "", entry) for entry in joined.split("|")}
    if len(accepted) < 20:
        fail(f"qv_tolvar: only {len(accepted)} options found, the extraction is broken")
    tool_dirs = ["src/" + d for d in ("main", "ui", "gui", "help", "process", "model", "agents", "widgets")]
    check("qv_tolvar.1", accepted, environment=getenv_names(*tool_dirs, "src/platform", "src/protocol"))


server()
admin()
if (BIN / "qv_tolvar").exists():
    tool()
for line in failures:
    print(line)
sys.exit(1 if failures else 0)
