"""The sign on scaled screens: every dot is drawn alike, at the screen's own resolution."""

import os
import subprocess

from harness import DesktopTestCase, cp932, wait_until

DARK = (0x00, 0x40, 0x40)  # the unlit dots' default colour, $00404000


def components(pixels, width, height, colour):
    """Connected groups (four-neighbour) of pixels in `colour`: (left, top, pixel offsets)."""
    seen = set()
    found = []
    for start in range(width * height):
        if start in seen or pixels[start] != colour:
            continue
        seen.add(start)
        group, todo = [], [start]
        while todo:
            at = todo.pop()
            group.append(at)
            x, y = at % width, at // width
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                near = ny * width + nx
                if 0 <= nx < width and 0 <= ny < height and near not in seen and pixels[near] == colour:
                    seen.add(near)
                    todo.append(near)
        left = min(at % width for at in group)
        top = min(at // width for at in group)
        found.append((left, top, frozenset((at % width - left, at // width - top) for at in group)))
    return found


class ScalingTest(DesktopTestCase):
    def idle_sign(self, scale, *options):
        """The ticker's client area as RGB triples, with the sign standing on its idle grid."""
        self.env["QT_SCALE_FACTOR"] = str(scale)
        # A feed that never arrives and a sign that waits minutes between steps: the idle grid.
        self.write_settings_file("news.csv", cp932("A,http://127.0.0.1:9/feed.xml,○\r\n"))
        self.write_settings_file("glowtape3.ini", "".join(
            line + "\r\n" for line in ("[window]", "W=300", "H=60", "[option]", "OP5=1000000") + options).encode())
        program = self.start_program()
        window = wait_until(lambda: self.x("xdotool", "search", "--onlyvisible", "--pid", str(program.pid)))
        self.assertTrue(window)
        window = window.split()[0]

        def idle_grid_shown():
            first = self.picture(window)
            return bytes(DARK) in first and self.picture(window) == first

        self.assertTrue(wait_until(idle_grid_shown), "the idle grid was not shown")
        width, height = self.client_geometry(window)[2:]
        path = os.path.join(self.root, "sign.rgb")
        subprocess.run(["import", "-window", window, "-depth", "8", "rgb:" + path], env=self.env, check=True)
        with open(path, "rb") as source:
            data = source.read()
        program.kill()
        program.wait()
        self.processes.remove(program)
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)], width, height

    def assert_dots_alike(self, scale, bit, *options):
        pixels, width, height = self.idle_sign(scale, "OP10=%d" % bit, *options)
        dots = components(pixels, width, height, DARK)
        self.assertGreater(len(dots), 100, "scale %s: too few dots" % scale)
        # Dots cut off by the window's edge or by the description bar are left out: the ones
        # inside share one mask.
        masks = {}
        for left, top, mask in dots:
            masks.setdefault(mask, []).append((left, top))
        shape, places = max(masks.items(), key=lambda item: len(item[1]))
        inside = [(left, top) for left, top, mask in dots
                  if left + 2 * bit * scale < width and top + 2 * bit * scale < height - 15 * scale]
        self.assertEqual(set(inside) - set(places), set(),
                         "scale %s bit %d: dots of another shape" % (scale, bit))
        pitch = int(bit * scale + 0.5)
        columns = sorted({left for left, _ in places})
        rows = sorted({top for _, top in places})
        self.assertEqual({b - a for a, b in zip(columns, columns[1:])}, {pitch}, (scale, bit, options))
        self.assertEqual({b - a for a, b in zip(rows, rows[1:])}, {pitch}, (scale, bit, options))
        return shape

    def test_every_dot_is_alike_at_the_rounded_device_pitch(self):
        shapes = {scale: self.assert_dots_alike(scale, 4) for scale in (1, 1.25, 1.5, 2)}
        self.assertEqual(shapes[1], {(x, y) for x in range(3) for y in range(3)})
        # At twice the resolution the dot is drawn anew, not four copies of each pixel.
        doubled = {(2 * x + i, 2 * y + j) for x, y in shapes[1] for i in range(2) for j in range(2)}
        self.assertNotEqual(shapes[2], doubled)
        self.assertGreater(len(shapes[2]), 2 * 2 * 9 * 3 // 4)

    def test_other_pitches_and_the_vertical_sign(self):
        for bit in (2, 3, 5):
            self.assert_dots_alike(1.5, bit)
        self.assert_dots_alike(1.5, 4, "Direct=true")
