// The start screen of a program's page (#start): the WebAssembly's bytes as they arrive, then the program's
// controls for the device in hand, and the click or tap that starts the program. That gesture is what lets
// the page play sound and take the pointer, so both are asked for in it. Loaded before the program's own
// script, which reads Module.
(function () {
  'use strict';
  var start = document.getElementById('start');
  var program = start.dataset.program;
  var touch = matchMedia('(pointer: coarse)').matches || 'ontouchstart' in window;

  // Rows of [what to press, what it does], keys and mouse or touch.
  var controls = {
    studio: {
      keys: [['Drag', 'orbit the model and raise the camera'], ['Left, Right (H, L, A, F)', 'orbit'],
        ['Up, Down (S, D), wheel', 'nearer, farther'], ['Enter, Space (K, J)', 'camera higher, lower'],
        ['Double click', 'the first view again'],
        ['Page Up, Page Down', 'the previous, the next model'], ['T', 'turn round the model slowly'],
        ['W', 'lines or filled'], ['F1', 'settings'], ['Escape', 'quit']],
      touch: [['Drag', 'orbit the model and raise the camera'], ['Pinch', 'nearer, farther'],
        ['Double tap', 'the first view again'], ['Drawing mode', 'lines or filled']]
    },
    firstperson: {
      keys: [['Mouse', 'look (a click takes it)'], ['Left button, Space', 'fire; while dead, come back'],
        ['Right button, Enter', 'jump'], ['Up, Down (S, D)', 'walk'], ['Left, Right (H, L)', 'turn'],
        ['A, F', 'step sideways'],
        ['P', 'pause'], ['Tab', 'let the mouse go'], ['W', 'lines or filled'], ['F1', 'settings'],
        ['Escape', 'quit']],
      touch: [['Left half', 'stick: walk and step sideways'], ['Right half', 'drag to look'],
        ['Fire', 'fire; while dead, come back'], ['Jump', 'jump; held, again on every landing'], ['Pause', 'pause, play on']]
    }
  };

  // The query string is the command line. Only --help and --version run at once: they draw nothing.
  var args = Module.arguments;
  var answersAtOnce = args.some(function (arg) { return arg === '--help' || arg === '--version'; });
  Module.noInitialRun = !answersAtOnce;

  // The WebAssembly is fetched and compiled while the program's script is still on its way, counting the
  // bytes as they arrive (decoded: the build puts the total on the page, as a compressed response's length
  // is not it).
  var progress = start.querySelector('progress');
  var received = start.querySelector('.received');
  var total = Number(start.dataset.wasmBytes) || 0;
  var kilobytes = function (bytes) { return Math.round(bytes / 1024) + ' KB'; };
  var compiled = fetch(program + '.wasm', { credentials: 'same-origin' }).then(function (response) {
    if (!response.ok) {
      throw new Error(response.status + ' ' + response.statusText);
    }
    var reader = response.body.getReader();
    var bytes = 0;
    var counted = new ReadableStream({
      pull: function (controller) {
        return reader.read().then(function (chunk) {
          if (chunk.done) {
            controller.close();
            return;
          }
          bytes += chunk.value.length;
          progress.max = Math.max(total, bytes);
          progress.value = bytes;
          received.textContent = kilobytes(bytes) + (total ? ' of ' + kilobytes(total) : '');
          controller.enqueue(chunk.value);
        });
      }
    });
    var wasm = new Response(counted, { headers: { 'Content-Type': 'application/wasm' } });
    return WebAssembly.compileStreaming ? WebAssembly.compileStreaming(wasm)
      : wasm.arrayBuffer().then(function (buffer) { return WebAssembly.compile(buffer); });
  });
  // A failure is left unhandled once the program asks for its instance: the page then reports it, once,
  // as one of a download or a compile.
  compiled.catch(function () {});
  Module.instantiateWasm = function (imports, receiveInstance) {
    compiled.then(function (module) {
      return WebAssembly.instantiate(module, imports).then(function (instance) {
        receiveInstance(instance, module);
      });
    });
    return {};
  };

  function showControls() {
    var rows = controls[program][touch ? 'touch' : 'keys'];
    var table = start.querySelector('.controls');
    rows.forEach(function (row) {
      var line = table.insertRow();
      line.insertCell().textContent = row[0];
      line.insertCell().textContent = row[1];
    });
  }

  // The gesture: sound unlocked (the context the program's sound then uses), the pointer taken in the game
  // on a desktop, and the program run.
  function play() {
    start.remove();
    document.removeEventListener('keydown', playAtKey);
    var Context = window.AudioContext || window.webkitAudioContext;
    if (Context) {
      try {
        var audio = Module.studioAudio || (Module.studioAudio = { sounds: [], generation: 0 });
        audio.context = audio.context || new Context();
        // Unlocked by this gesture, then at rest until the program's first cue resumes it.
        audio.context.resume().then(function () {
          if (!audio.source && !audio.waiting) {
            return audio.context.suspend();
          }
        }).catch(function () {});
      } catch (error) {
        console.warn('no sound: ' + error);
      }
    }
    Module.canvas.focus();
    if (program === 'firstperson' && !touch && Module.canvas.requestPointerLock) {
      Module.canvas.requestPointerLock();
    }
    Module.callMain(args);
  }

  // As a button, the start screen also answers Enter and Space.
  function playAtKey(event) {
    if (event.code === 'Enter' || event.code === 'Space') {
      event.preventDefault();
      play();
    }
  }

  var initialised = Module.onRuntimeInitialized;
  Module.onRuntimeInitialized = function () {
    initialised();
    if (answersAtOnce) {
      return;
    }
    showControls();
    start.classList.add('ready');
    performance.mark('start-ready');
    start.addEventListener('click', play);
    document.addEventListener('keydown', playAtKey);
  };
})();
