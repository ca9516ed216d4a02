// The touch screen's own controls over a program's page, shown faintly once the page knows it is touched:
// in the game a stick (the left half of the page walks; the program reads the fingers itself, this only
// draws where they are) and the Fire, Jump and Pause buttons; in the viewer a button that cycles the drawing modes.
// A button holds its key down while it is held, so it does exactly what the key does.
(function () {
  var program = document.currentScript.dataset.program;
  var style = document.createElement('style');
  style.textContent = [
    '.touch-control { display: none; position: fixed; z-index: 1; box-sizing: border-box; touch-action: none;',
    '  user-select: none; -webkit-user-select: none; border: 2px solid rgba(255, 255, 255, 0.45);',
    '  background: rgba(255, 255, 255, 0.1); color: rgba(255, 255, 255, 0.7); font: bold 4vmin sans-serif; }',
    'body.touch .touch-control { display: block; }',
    'body.ended .touch-control, body.lost .touch-control { display: none; }',
    'button.touch-control { border-radius: 50%; padding: 0; }',
    'button.touch-control.held { background: rgba(255, 255, 255, 0.3); }',
    // Between the round clock at the top (a tenth of the page) and the status line at the bottom (from 87%).
    '#stick { pointer-events: none; width: 30vmin; height: 30vmin; border-radius: 50%; left: 8vw; bottom: 16vh; }',
    '#knob { position: absolute; left: 30%; top: 30%; width: 40%; height: 40%; border-radius: 50%;',
    '  background: rgba(255, 255, 255, 0.3); }',
    '#fire { width: 22vmin; height: 22vmin; right: 6vw; bottom: 16vh; }',
    '#jump { width: 16vmin; height: 16vmin; right: calc(6vw + 24vmin); bottom: calc(16vh + 16vmin); }',
    '#mode, #pause { border-radius: 1vmin; padding: 1vmin 2vmin; right: 2vmin; top: 12vh; }'
  ].join('\n');
  document.head.appendChild(style);

  // A button that holds the key with this code while it is held.
  function keyButton(id, name, code) {
    var button = document.createElement('button');
    button.id = id;
    button.className = 'touch-control';
    button.type = 'button';
    button.tabIndex = -1;
    button.textContent = name;
    var held = false;
    function send(down) {
      if (held === down) {
        return;
      }
      held = down;
      button.classList.toggle('held', down);
      window.dispatchEvent(new KeyboardEvent(down ? 'keydown' : 'keyup', { code: code, bubbles: true }));
    }
    button.addEventListener('pointerdown', function (event) {
      event.preventDefault();
      button.setPointerCapture(event.pointerId);
      send(true);
    });
    for (var type of ['pointerup', 'pointercancel', 'lostpointercapture']) {
      button.addEventListener(type, function () { send(false); });
    }
    button.addEventListener('contextmenu', function (event) { event.preventDefault(); });
    document.body.appendChild(button);
    return button;
  }

  if (program === 'firstperson') {
    var stick = document.createElement('div');
    stick.id = 'stick';
    stick.className = 'touch-control';
    var knob = document.createElement('div');
    knob.id = 'knob';
    stick.appendChild(knob);
    document.body.appendChild(stick);
    keyButton('jump', 'Jump', 'Enter');
    keyButton('fire', 'Fire', 'Space');
    // A page that lost the focus pauses the game: without a keyboard this plays on.
    keyButton('pause', 'Pause', 'KeyP');
    followStick(stick, knob);
  } else {
    keyButton('mode', 'Drawing mode', 'KeyW');
  }

  // The stick stands where its finger landed, kept clear of the page's top and bottom lines, and its knob
  // follows the finger up to the rim.
  function followStick(stick, knob) {
    var canvas = document.getElementById('canvas');
    var finger = null;
    var centre = null;
    function place(touch) {
      var radius = stick.offsetWidth / 2;
      var dx = touch.clientX - centre.x;
      var dy = touch.clientY - centre.y;
      var scale = Math.min(1, radius / Math.max(1, Math.hypot(dx, dy)));
      knob.style.transform = 'translate(' + dx * scale + 'px, ' + dy * scale + 'px)';
    }
    canvas.addEventListener('touchstart', function (event) {
      for (var touch of event.changedTouches) {
        if (finger === null && touch.clientX < innerWidth / 2) {
          finger = touch.identifier;
          var radius = stick.offsetWidth / 2;
          var y = Math.min(Math.max(touch.clientY, 0.1 * innerHeight + radius), 0.86 * innerHeight - radius);
          stick.style.left = touch.clientX - radius + 'px';
          stick.style.bottom = innerHeight - y - radius + 'px';
          centre = { x: touch.clientX, y: touch.clientY };
          place(touch);
        }
      }
    }, { passive: true });
    canvas.addEventListener('touchmove', function (event) {
      for (var touch of event.changedTouches) {
        if (touch.identifier === finger) {
          place(touch);
        }
      }
    }, { passive: true });
    function lifted(event) {
      for (var touch of event.changedTouches) {
        if (touch.identifier === finger) {
          finger = null;
          stick.style.left = stick.style.bottom = knob.style.transform = '';
        }
      }
    }
    canvas.addEventListener('touchend', lifted, { passive: true });
    canvas.addEventListener('touchcancel', lifted, { passive: true });
  }

  // A touch device shows the controls from the start; any other from its first touch.
  function touched() {
    document.body.classList.add('touch');
  }
  if (matchMedia('(pointer: coarse)').matches) {
    touched();
  }
  window.addEventListener('touchstart', touched, { capture: true, passive: true, once: true });
})();
