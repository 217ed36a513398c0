// The page around the game: loads its files with a progress line, hands the font sheet to
// the game's file system, and says in a player's words what went wrong or that the game
// has ended, with its button in focus (the game's listeners are gone by then). The file
// names carry a hash of their contents (files, in index.html), so a cache never mixes two
// versions.
'use strict';

(() => {
  const files = JSON.parse(document.getElementById('files').textContent);
  const canvas = document.getElementById('canvas');
  const stage = document.getElementById('stage');
  const note = document.getElementById('note');
  // The right button is the game's, and a long press is a finger held still.
  stage.addEventListener('contextmenu', (event) => event.preventDefault());

  function say(lines, button) {
    stage.hidden = true;
    note.replaceChildren(...lines.map((text) => {
      const p = document.createElement('p');
      p.textContent = text;
      return p;
    }));
    if (button) {
      const b = document.createElement('button');
      b.textContent = button.label;
      b.addEventListener('click', button.action);
      note.append(b);
    }
    note.hidden = false;
    note.querySelector('button')?.focus();
  }

  const restart = { label: 'Play again', action: () => location.reload() };
  let failed = false;
  function fail(lines, button = { label: 'Try again', action: () => location.reload() }) {
    failed = true;
    say(lines, button);
  }

  async function fetchAll(names, progress) {
    const sizes = new Map();
    const loaded = new Map();
    const report = () => {
      let done = 0;
      let total = 0;
      for (const n of names) {
        done += loaded.get(n) ?? 0;
        total += sizes.get(n) ?? 0;
      }
      progress(done, total);
    };
    return Promise.all(names.map(async (name) => {
      const response = await fetch(files[name]);
      if (!response.ok) {
        throw new Error(`${files[name]}: ${response.status} ${response.statusText}`.trim());
      }
      sizes.set(name, Number(response.headers.get('Content-Length')) || 0);
      const reader = response.body.getReader();
      const chunks = [];
      let length = 0;
      for (;;) {
        const { done, value } = await reader.read();
        if (done) break;
        chunks.push(value);
        length += value.length;
        loaded.set(name, length);
        report();
      }
      const bytes = new Uint8Array(length);
      let at = 0;
      for (const c of chunks) {
        bytes.set(c, at);
        at += c.length;
      }
      return bytes;
    }));
  }

  function loadScript(src) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = src;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${src} did not load`));
      document.body.append(script);
    });
  }

  async function start() {
    // A browser without WebGL 2 at all is told before anything loads. Making a context to
    // find out would cost a software renderer a tenth of a second; one that fails to start
    // is reported by the game (orrShowFailure).
    if (typeof WebGL2RenderingContext === 'undefined') {
      fail(['Orrindel cannot run in this browser: it draws with WebGL 2, which is missing ' +
            'or switched off here.']);
      return;
    }
    say(['Loading Orrindel…']);
    const loadFailed = (error) => {
      if (!failed) {
        fail(['Orrindel could not load its files. Check the connection and try again.',
              String(error.message)]);
      }
    };
    const startFailed = (error) => {
      if (!failed) {
        fail(['Orrindel could not start in this browser.', String(error.message ?? error)]);
      }
    };
    // The game's script loads while its data arrives; the runtime waits for both.
    const data = fetchAll(['orrindel.wasm', 'font.bmp'], (done, total) => {
      if (failed) return;  // the other file may still be arriving
      const share = total > 0 ? ` ${Math.min(100, Math.round(100 * done / total))} %` : '';
      say([`Loading Orrindel…${share}`]);
    });
    data.catch(loadFailed);
    let font;
    window.Module = {
      canvas,
      locateFile: (name) => files[name] ?? name,
      instantiateWasm: (imports, receive) => {
        data.then(([wasm, fontBytes]) => {
          font = fontBytes;
          say(['Starting Orrindel…']);
          WebAssembly.instantiate(wasm, imports)
            .then((result) => receive(result.instance, result.module), startFailed);
        }, loadFailed);
        return {};
      },
      preRun: [() => {
        Module.FS.mkdir('/textures');
        Module.FS.writeFile('/textures/font.bmp', font);
      }],
      onRuntimeInitialized: () => {
        if (!failed) {
          note.hidden = true;
          stage.hidden = false;
        }
      },
      print: (line) => console.log(line),
      printErr: (line) => console.warn(line),
      onAbort: (what) => {
        try {
          Module._orr_stop_listening?.();
        } finally {
          fail(['Orrindel stopped on an error.', String(what)]);
        }
      },
      orrShowFailure: (kind, line) => {
        if (kind === 'context') {
          fail(['Orrindel lost its drawing: the browser took back its graphics.'], restart);
          return;
        }
        const words = kind === 'webgl'
          ? 'Orrindel cannot draw in this browser: WebGL 2 did not start.'
          : 'Orrindel cannot start: one of its files is missing or damaged.';
        fail(line ? [words, line] : [words]);
      },
      orrShowEnded: () => say(['The game has ended.'], restart),
      // The worker (sw.js) keeps this version's files for playing without a network. Its
      // downloads wait for the first frame, so that they do not slow the start.
      orrFirstFrameDrawn: () => {
        navigator.serviceWorker?.register('sw.js')
          .catch((error) => console.warn(`Orrindel will not play offline: ${error.message}`));
      },
    };
    loadScript(files['orrindel.js']).catch(loadFailed);
  }

  start();
})();
