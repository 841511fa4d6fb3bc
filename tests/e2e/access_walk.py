#!/usr/bin/python3
# The course through a screen reader's client library, as a blind learner's screen reader walks
# it: find the application and the start page by its caption, read, act on buttons, open the
# reveal of "Teoria 19", answer a question wrong and then right, read the boxes and the counters,
# and leave with "Sair" -> Yes. Every step waits for the state it needs, with a deadline.
# Exit 0 when the walk is whole; otherwise the first thing that was wrong, and exit 1.
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE = 15.0
events = []


def on_event(e):
    try:
        name = e.source.name
    except Exception:
        name = None
    events.append((e.type, name, e.detail1, e.any_data))


def pump():
    ctx = GLib.MainContext.default()
    while ctx.iteration(False):
        pass


def fail(message):
    print("access walk: " + message)
    sys.exit(1)


def wait(what, predicate, seconds=DEADLINE):
    end = time.monotonic() + seconds
    while True:
        pump()
        try:
            value = predicate()
        except Exception:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def fresh(acc):
    acc.clearCache()
    return acc


def has_state(acc, state):
    return fresh(acc).getState().contains(state)


def showing(acc):
    return has_state(acc, pyatspi.STATE_SHOWING)


def descendants(acc):
    for i in range(fresh(acc).childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(acc, role=None, name=None):
    for d in descendants(acc):
        if (role is None or d.getRole() == role) and (name is None or fresh(d).name == name):
            return d
    return None


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, -1)


def act(acc, action):
    a = acc.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        fail("%r offers %s, not %r" % (acc.name, names, action))
    if not a.doAction(names.index(action)):
        fail("%r refused %r" % (acc.name, action))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "apostila":
            return app
    return None


def frame(app, caption):
    for i in range(fresh(app).childCount):
        f = app.getChildAtIndex(i)
        if f is not None and f.getRole() == pyatspi.ROLE_FRAME and fresh(f).name == caption:
            return f
    return None


def open_box(app, role=pyatspi.ROLE_DIALOG):
    for i in range(fresh(app).childCount):
        f = app.getChildAtIndex(i)
        if f is not None and f.getRole() == role:
            return f
    return None


def shown_page(app, caption):
    f = wait("the page %r" % caption, lambda: frame(app, caption))
    wait("%r showing and active" % caption,
         lambda: showing(f) and has_state(f, pyatspi.STATE_ACTIVE))
    return f


def button(page, caption):
    b = find(page, pyatspi.ROLE_PUSH_BUTTON, caption)
    if b is None:
        fail("no button %r on %r" % (caption, page.name))
    return b


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def close_message(app, text):
    box = wait("the box %r" % text, lambda: open_box(app))
    label = wait("the box's text", lambda: find(box, pyatspi.ROLE_LABEL))
    if text_of(label) != text:
        fail("the box says %r, not %r" % (text_of(label), text))
    act(button(box, "OK"), "click")
    wait("the box %r to close" % text, lambda: open_box(app) is None)


def counter(page, name_of_panel_label):
    # The counters are the panels beside "Certas" and "Erradas"; their text is the count.
    panels = [d for d in descendants(page) if d.getRole() == pyatspi.ROLE_PANEL and fresh(d).name.isdigit()]
    return sorted(((extents(p)[1], p.name) for p in panels))


def main():
    pyatspi.Registry.registerEventListener(
        on_event, "window:activate", "object:state-changed:showing", "object:text-changed",
        "object:property-change:accessible-name")

    app = wait("the application on the bus", application)
    if app.getRole() != pyatspi.ROLE_APPLICATION:
        fail("the application's role is %s" % app.getRoleName())

    # The start page and its labels.
    start = shown_page(app, "O Transistor Bipolar de Junção")
    labels = [text_of(d) for d in descendants(start) if d.getRole() == pyatspi.ROLE_LABEL]
    for expected in ("Eletrônica Analógica", "Transistor Bipolar", "Equipe EAD", "12 / 2026"):
        if expected not in labels:
            fail("the start page's labels %s lack %r" % (labels, expected))
    hidden = [f.name for f in (app.getChildAtIndex(i) for i in range(app.childCount))
              if f.getRole() == pyatspi.ROLE_FRAME and f.name != start.name and showing(f)]
    if hidden:
        fail("pages showing beside the start page: %s" % hidden)

    # Mouse review: the point at the middle of "Conteúdo" is that button, inside its frame.
    contents = button(start, "Conteúdo")
    if not has_state(contents, pyatspi.STATE_SENSITIVE):
        fail("'Conteúdo' is not sensitive")
    x, y, w, h = extents(contents)
    fx, fy, fw, fh = extents(start)
    if not (w > 0 and h > 0 and fx <= x and fy <= y and x + w <= fx + fw and y + h <= fy + fh):
        fail("'Conteúdo' at %s lies outside its frame at %s" % ((x, y, w, h), (fx, fy, fw, fh)))
    hit = start.queryComponent().getAccessibleAtPoint(x + w // 2, y + h // 2, pyatspi.DESKTOP_COORDS)
    if hit is None or hit.name != "Conteúdo":
        fail("the point inside 'Conteúdo' finds %r" % (hit.name if hit else None))

    act(contents, "click")
    menu = shown_page(app, "Menu principal - Conteúdos")
    act(button(menu, "CURVAS CARACTERÍSTICAS"), "click")
    theory = shown_page(app, "Teoria 19")
    wait("the activation of 'Teoria 19' announced",
         lambda: any(t.startswith("window:activate") and n == "Teoria 19" for t, n, _, _ in events))

    # Its texts, its picture's description and the reveal.
    texts = [text_of(d) for d in descendants(theory) if d.getRole() == pyatspi.ROLE_LABEL]
    if "CURVAS CARACTERÍSTICAS - EMISSOR COMUM" not in texts:
        fail("'Teoria 19' reads %s" % texts)
    picture = find(theory, pyatspi.ROLE_IMAGE)
    if picture is None or not showing(picture):
        fail("'Teoria 19' shows no picture")
    described = picture.queryImage().imageDescription
    if described != picture.description:
        fail("the picture's image description %r is not its description %r" % (described, picture.description))
    print("access walk: the picture of 'Teoria 19' is described as %r" % described)
    reveal = find(theory, pyatspi.ROLE_LABEL, "Detalhes Posicione o mouse")
    if reveal is None:
        fail("no hover label on 'Teoria 19'")
    explanations = [d for d in descendants(theory)
                    if d.getRole() == pyatspi.ROLE_LABEL and d.parent.getRole() == pyatspi.ROLE_PANEL
                    and not has_state(d.parent, pyatspi.STATE_VISIBLE)]
    if len(explanations) != 9:
        fail("%d hidden explanation labels, not 9" % len(explanations))
    if any(showing(d) for d in explanations):
        fail("an explanation label is showing before the reveal")
    act(reveal, "show")
    wait("the nine explanations showing", lambda: all(showing(d) for d in explanations))
    act(reveal, "hide")
    wait("the nine explanations hidden again", lambda: not any(showing(d) for d in explanations))

    # Back to the start page and to the first question.
    act(button(theory, "Voltar"), "click")
    menu = shown_page(app, "Menu principal - Conteúdos")
    act(button(menu, "Voltar"), "click")
    start = shown_page(app, "O Transistor Bipolar de Junção")
    act(button(start, "Questões"), "click")
    question = shown_page(app, "Questão 1")
    hint = find(question, pyatspi.ROLE_LABEL,
                "Você descreveu um diodo, e não um transistor. Reveja na Teoria 1 a estrutura em camadas do transistor.")
    if hint is None or showing(hint):
        fail("the hint under option A is missing or showing before an answer")
    before = counter(question, None)

    # Wrong (A): the hint shows, the message offers another chance, the wrong count goes up.
    act(button(question, "A"), "click")
    wait("the hint under A showing", lambda: showing(hint))
    close_message(app, "Você tem mais uma chance!")
    after_wrong = wait("the wrong count to go up", lambda: counter(question, None) != before and counter(question, None))
    wait("the counter's change announced",
         lambda: any(t.startswith("object:text-changed") and n == "1" for t, n, _, _ in events))
    # Right (C): the message, then the right count.
    act(button(question, "C"), "click")
    close_message(app, "VOCÊ ACERTOU!")
    after_right = wait("the right count to go up", lambda: counter(question, None) != after_wrong and counter(question, None))
    if sorted(n for _, n in after_right) != ["1", "1"]:
        fail("the counters read %s after one wrong and one right answer" % after_right)
    if has_state(button(question, "B"), pyatspi.STATE_SENSITIVE):
        fail("the answers stay sensitive after the right one")
    # A disabled button's click does nothing.
    act(button(question, "B"), "click")
    time.sleep(0.5)
    pump()
    if open_box(app) is not None:
        fail("a click on a disabled answer opened a box")

    # "Sair" asks, and Yes ends the program (the caller checks the exit code).
    act(button(question, "Sair"), "click")
    box = wait("the confirmation", lambda: open_box(app))
    wait("the confirmation announced",
         lambda: any(t.startswith("window:activate") and n == box.name for t, n, _, _ in events))
    act(button(box, "Yes"), "click")
    print("access walk: done")


if __name__ == "__main__":
    main()
